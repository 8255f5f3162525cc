#!/usr/bin/env bash
# The skinned main window as a person sees and uses it: rounded corners, the
# caption title and buttons over the background, the close button glowing
# under the pointer, dragging by the caption, and closing with the button.
set -uo pipefail

tool="$BUILD/bin/VideoAdBlock.exe"
out="$BUILD/test-tmp/e2e_skinned_window"
rm -rf "$out" && mkdir -p "$out"
fail() { echo "FAIL: $*"; exit 1; }

[ -n "${DISPLAY:-}" ] || fail "no DISPLAY (run under xvfb-run)"
[ -f "$tool" ] || fail "missing $tool"

# The pointer starts away from where the window will be (an earlier test
# may have left it on the caption buttons).
xdotool mousemove 1000 700

"$ROOT/cmake/wine-run" "$tool" >"$out/tool.log" 2>&1 </dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT

# The main window: 294 x 186, mapped by the tool.
wid=""
for _ in $(seq 1 150); do
  for w in $(xdotool search --onlyvisible --classname 'videoadblock.exe' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" = 294 ] && [ "$HEIGHT" = 186 ]; then wid=$w; break 2; fi
  done
  sleep 0.2
done
[ -n "$wid" ] || fail "the main window did not appear"
sleep 1.5  # first composition

geometry() { eval "$(xdotool getwindowgeometry --shell "$wid")"; }
shot() { import -window root "$out/$1.png"; }
pixel() {  # pixel FILE X Y -> "r g b"
  convert "$out/$1.png" -format '%[fx:int(255*p{'"$2,$3"'}.r)] %[fx:int(255*p{'"$2,$3"'}.g)] %[fx:int(255*p{'"$2,$3"'}.b)]' info:
}
# Fraction of near-white pixels in a rectangle: FILE W H X Y. The caption's
# background is the darker top of the picture; only the white title and
# glyphs reach this brightness there.
white_share() {
  convert "$out/$1.png" -crop "$2x$3+$4+$5" +repage -colorspace Gray -threshold 88% -format '%[fx:mean]' info:
}
# Mean brightness (0..1) of a rectangle: FILE W H X Y
brightness() {
  convert "$out/$1.png" -crop "$2x$3+$4+$5" +repage -colorspace Gray -format '%[fx:mean]' info:
}
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

geometry
x0=$X; y0=$Y
shot before
desktop=$(pixel before 1010 750)
corner=$(pixel before "$x0" "$y0")
inside=$(pixel before $((x0 + 150)) $((y0 + 100)))
echo "desktop [$desktop] corner [$corner] inside [$inside]"
[ "$corner" = "$desktop" ] || fail "the top-left corner is not cut off (corner $corner, desktop $desktop)"
[ "$(pixel before $((x0 + 293)) $((y0 + 185)))" = "$desktop" ] || fail "the bottom-right corner is not cut off"
[ "$inside" != "$desktop" ] || fail "the window shows no background"

# The title (white with a halo) starts 29 pixels in; the buttons sit at the
# right end of the caption: minimise at 229, close at 256.
title=$(white_share before 100 14 $((x0 + 29)) $((y0 + 8)))
plain=$(white_share before 48 14 $((x0 + 176)) $((y0 + 8)))  # caption between title and buttons
minimise=$(white_share before 12 6 $((x0 + 235)) $((y0 + 11)))
close=$(white_share before 10 10 $((x0 + 269)) $((y0 + 5)))
echo "white share: title $title, plain caption $plain, minimise glyph $minimise, close glyph $close"
above "$title" 0.1 || fail "no caption title"
above 0.05 "$plain" || fail "the caption background itself is white: the checks below mean nothing"
above "$minimise" 0.15 || fail "no minimise glyph"
above "$close" 0.15 || fail "no close glyph"

# The pointer on the close button: it fades in a red glow.
calm=$(pixel before $((x0 + 260)) $((y0 + 4)))
xdotool mousemove $((x0 + 262)) $((y0 + 10))
sleep 0.2; xdotool mousemove $((x0 + 263)) $((y0 + 10))
sleep 0.6
shot hover
hot=$(pixel hover $((x0 + 260)) $((y0 + 4)))
echo "close button corner: calm [$calm] hot [$hot]"
read -r r0 _ _ <<<"$calm"; read -r r1 _ _ <<<"$hot"
[ $((r1 - r0)) -ge 40 ] || fail "the close button does not light up under the pointer"

# Drag by the caption: press, move, release.
xdotool mousemove $((x0 + 10)) $((y0 + 100)) click 1  # the first click may only activate the window
sleep 0.5
xdotool mousemove $((x0 + 120)) $((y0 + 12))
sleep 0.2
xdotool mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((x0 + 120 + step * 10)) $((y0 + 12 + step * 8))
  sleep 0.05
done
sleep 0.2
xdotool mouseup 1
sleep 0.8
geometry
echo "moved from ($x0,$y0) to ($X,$Y)"
[ $((X - x0)) -ge 80 ] && [ $((Y - y0)) -ge 60 ] || fail "dragging the caption did not move the window"

# Close with the close button.
xdotool mousemove $((X + 275)) $((Y + 10))
sleep 0.3
xdotool click 1
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then  # the click may only have activated it
  xdotool click 1
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
fi
kill -0 "$pid" 2>/dev/null && fail "the close button did not end the tool"
trap - EXIT
echo "PASS"
