#!/usr/bin/env bash
# Checks the images in resources/: sizes, formats, and for the pixel-exact
# glyphs every single pixel. The expected pixels are restated here rather than
# shared with the generator, so a slip in either one shows up.
#
# Usage: tools/verify_assets.sh        exit status 0 when everything matches
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RES="$ROOT/resources"
fail=0

bad() { echo "FAIL: $*" >&2; fail=1; }
ok() { echo "ok:   $*"; }

# Unsigned integer of LEN bytes (little-endian) at OFFSET.
le() { od -An -tu"$3" -j"$2" -N"$3" "$1" | tr -d ' '; }
byte() { le "$1" "$2" 1; }
be32() { local b; b=$(od -An -tu1 -j"$2" -N4 "$1"); set -- $b; echo $((($1 << 24) | ($2 << 16) | ($3 << 8) | $4)); }

# PNG with given size, 8 bits per sample, colour type 6 (RGBA).
check_png_rgba() {
    local f=$RES/$1 w=$2 h=$3
    [[ -f $f ]] || { bad "$1 missing"; return; }
    [[ $(od -An -tx1 -N8 "$f" | tr -d ' \n') == 89504e470d0a1a0a ]] || { bad "$1 not a PNG"; return; }
    local fw fh depth ctype
    fw=$(be32 "$f" 16); fh=$(be32 "$f" 20); depth=$(byte "$f" 24); ctype=$(byte "$f" 25)
    [[ $fw == "$w" && $fh == "$h" ]] || bad "$1 is ${fw}x$fh, want ${w}x$h"
    [[ $depth == 8 && $ctype == 6 ]] || bad "$1 is depth $depth colour type $ctype, want 8-bit RGBA"
    ok "$1 ${fw}x$fh RGBA"
}

# Compare every pixel with the expected enumeration on stdin ("x,y: (r,g,b,a)").
check_pixels() {
    local f=$RES/$1 diffs
    diffs=$(diff <(cat) <(convert "$f" -depth 8 txt:- | tail -n +2 | awk '{print $1, $2}') || true)
    if [[ -n $diffs ]]; then
        bad "$1 pixels differ (expected < > actual):"
        echo "$diffs" | head -20 >&2
    else
        ok "$1 every pixel matches"
    fi
}

# --- check boxes ----------------------------------------------------------
ramp=(DEDFD6 E0E0D8 E2E2DA E4E4DC E7E6DF E9E8E1 EBE9E3 EDEBE5 F0EDE8 F2EFEA F4F1EC
      F7F3EF F7F4F0 F8F5F1 F9F6F3 F9F7F4 FAF8F6 FBF9F7 FCFAF9 FCFBFA FDFCFC)
tick=" 3,9 4,8 4,9 5,3 5,7 5,8 5,9 6,3 6,4 6,6 6,7 6,8 7,3 7,4 7,5 7,6 7,7 8,4 8,5 8,6 9,5 "

expect_box() { # border "r,g,b,a", ticked 0/1
    local r c hx
    for ((r = 0; r < 13; r++)); do
        for ((c = 0; c < 13; c++)); do
            if ((r == 0 || r == 12 || c == 0 || c == 12)); then
                echo "$c,$r: ($1)"
            elif (($2)) && [[ $tick == *" $r,$c "* ]]; then
                echo "$c,$r: (36,110,117,255)"
            else
                hx=${ramp[r - 1 + c - 1]}
                echo "$c,$r: ($((16#${hx:0:2})),$((16#${hx:2:2})),$((16#${hx:4:2})),255)"
            fi
        done
    done
}

check_png_rgba check_unchecked.png 13 13
expect_box "3,3,3,230" 0 | check_pixels check_unchecked.png
check_png_rgba check_checked.png 13 13
expect_box "24,81,132,255" 1 | check_pixels check_checked.png

# --- arrows: per row, the first and last opaque column --------------------
expect_arrow() { # width, then "from-to" per row
    local w=$1 r=0 c span; shift
    for span in "$@"; do
        for ((c = 0; c < w; c++)); do
            if ((c >= ${span%-*} && c <= ${span#*-})); then
                echo "$c,$r: (0,0,0,255)"
            else
                echo "$c,$r: (0,0,0,0)"
            fi
        done
        r=$((r + 1))
    done
}

check_png_rgba arrow_down.png 7 4
expect_arrow 7 0-6 1-5 2-4 3-3 | check_pixels arrow_down.png
check_png_rgba arrow_up.png 7 4
expect_arrow 7 3-3 2-4 1-5 0-6 | check_pixels arrow_up.png
check_png_rgba arrow_left.png 4 7
expect_arrow 4 3-3 2-3 1-3 0-3 1-3 2-3 3-3 | check_pixels arrow_left.png
check_png_rgba arrow_right.png 4 7
expect_arrow 4 0-0 0-1 0-2 0-3 0-2 0-1 0-0 | check_pixels arrow_right.png

# --- caption glyphs: size, RGBA, transparent edges, white glyph, a shadow --
for entry in help:26 menu:26 minimize:26 maximize:26 restore:26 close:38; do
    name=caption_${entry%%:*}.png w=${entry#*:}
    check_png_rgba "$name" "$w" 18
    [[ -f $RES/$name ]] || continue
    # Nothing visible on the outermost ring (the glyph is centred with a
    # margin; only the faint tail of the shadow blur may reach it).
    edge=$(convert "$RES/$name" -alpha extract \
        \( -size ${w}x18 xc:white -fill black +antialias -draw "rectangle 1,1 $((w - 2)),16" \) \
        -compose Multiply -composite -format '%[fx:maxima*255<16]' info:)
    [[ $edge == 1 ]] || bad "$name has visible pixels on its outer ring"
    # Some fully opaque white pixels, and some partly transparent dark ones.
    white=$(convert "$RES/$name" -depth 8 txt:- | grep -c '(255,255,255,255)' || true)
    dark=$(convert "$RES/$name" -depth 8 txt:- | grep -Ec '\(0,0,0,([1-9][0-9]?|1[0-9]{2})\)' || true)
    ((white > 0)) || bad "$name has no opaque white glyph pixels"
    ((dark > 0)) || bad "$name has no translucent shadow pixels"
    ok "$name $white white, $dark shadow pixels, outer ring clear"
done

# --- background -----------------------------------------------------------
bg=$RES/background.jpg
if [[ -f $bg ]]; then
    info=$(identify -format '%m %w %h %[colorspace] %Q' "$bg")
    read -r fmt w h cs q <<<"$info"
    [[ $fmt == JPEG && $w == 500 && $h == 309 ]] || bad "background.jpg is $info"
    # Deep along the title band, light where the controls sit.
    top=$(convert "$bg" -crop 500x26+0+0 -colorspace Gray -format '%[fx:mean]' info:)
    body=$(convert "$bg" -crop 500x250+0+55 -colorspace Gray -format '%[fx:minima]' info:)
    awk -v t="$top" -v b="$body" 'BEGIN{exit !(t < 0.5 && b > 0.75)}' ||
        bad "background.jpg tones: title band mean $top, body minimum $body"
    ok "background.jpg $w x $h $cs quality $q, title band mean $top, body min $body"
else
    bad "background.jpg missing"
fi

# --- icon: ICONDIR then one 16-byte entry per image -----------------------
ico=$RES/app.ico
if [[ -f $ico ]]; then
    [[ $(le "$ico" 0 2) == 0 && $(le "$ico" 2 2) == 1 ]] || bad "app.ico bad header"
    count=$(le "$ico" 4 2)
    sizes=""
    for ((i = 0; i < count; i++)); do
        e=$((6 + 16 * i))
        s=$(byte "$ico" "$e"); ((s == 0)) && s=256
        bpp=$(le "$ico" $((e + 6)) 2)
        ((bpp == 32)) || bad "app.ico ${s}px image is $bpp bpp, want 32"
        sizes+="$s "
    done
    [[ $sizes == "16 32 48 " ]] || bad "app.ico sizes are '$sizes', want 16 32 48"
    ok "app.ico images: $sizes(32 bpp)"
else
    bad "app.ico missing"
fi

if ((fail)); then
    echo "asset verification FAILED" >&2
    exit 1
fi
echo "all assets verified"
