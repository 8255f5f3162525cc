#!/usr/bin/env bash
# A person looks at the running tool: the chosen radio button "全部" shows the
# teal dot in its ring and the block button's glassy body lies over the
# background; clicking "土豆" moves the dot there; resting the pointer on the
# block button tints it with the theme colour. Screenshots stay in build/.
source "$(dirname "$0")/common.sh"
trap stop_tool EXIT

SHOTS=$BUILD/e2e-buttons
mkdir -p "$SHOTS"

shot() { import -window root "$SHOTS/$1.png"; echo "$SHOTS/$1.png"; }
# "r g b" of the pixel at client (x, y) of the main window in a screenshot.
pixel() {
  local x=$((50 + $2)) y=$((50 + $3))
  convert "$1" -format "%[fx:int(255*p{$x,$y}.r+0.5)] %[fx:int(255*p{$x,$y}.g+0.5)] %[fx:int(255*p{$x,$y}.b+0.5)]" info:
}
red() { pixel "$@" | cut -d' ' -f1; }
brightness() { pixel "$@" | awk '{print $1 + $2 + $3}'; }
# Blue minus red: the theme colour (teal) raises it.
tealness() { pixel "$@" | awk '{print $3 - $1}'; }

# The dot of a 24-pixel-high radio button at client (x, y) is centred on
# (x + 8, y + 12); two points inside it, left and right of the centre.
dot_red() { echo $(( ($(red "$1" $(($2 + 6)) $(($3 + 12))) + $(red "$1" $(($2 + 10)) $(($3 + 12)))) / 2 )); }
has_dot() { [ "$(dot_red "$@")" -lt 170 ]; }

start_tool
xdotool mousemove 5 5   # the pointer away from the window
sleep 1

first=$(shot start)
has_dot "$first" 24 49 || fail "no dot on 全部 at start (red $(dot_red "$first" 24 49)); see $first"
has_dot "$first" 121 114 && fail "土豆 shows a dot at start; see $first"
# The block button (216, 43, 64 x 101): its translucent white body is lighter
# than the background just left of it.
body=$(brightness "$first" 248 50); outside=$(brightness "$first" 209 50)
[ "$body" -gt $((outside + 25)) ] || fail "block button body ($body) not over background ($outside); see $first"

click_client 161 126     # "土豆" (the first click may only activate the window)
click_client 161 126
second=$(shot tudou)
has_dot "$second" 121 114 || fail "no dot on 土豆 after the click (red $(dot_red "$second" 121 114)); see $second"
has_dot "$second" 24 49 && fail "全部 still shows its dot; see $second"

xdotool mousemove $((50 + 248)) $((50 + 93))
sleep 1
third=$(shot hover)
before=$(tealness "$second" 248 50); after=$(tealness "$third" 248 50)
[ "$after" -gt $((before + 10)) ] || fail "hovering does not tint the block button ($before -> $after); see $third"
echo "PASS ($SHOTS)"
