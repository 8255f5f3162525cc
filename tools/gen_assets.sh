#!/usr/bin/env bash
# Draws every image the program embeds as a resource and writes them into
# resources/. Nothing is copied from elsewhere: each image is described here.
#
# Reruns are byte-identical on the same ImageMagick version: metadata and
# timestamps are stripped, JPEG quality is fixed, and the only "noise" is a
# hash of the pixel position, so no random generator is involved.
#
# Usage: tools/gen_assets.sh            (from anywhere inside the repository)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/resources"
mkdir -p "$OUT"

command -v convert >/dev/null || { echo "ImageMagick 'convert' is required" >&2; exit 1; }

# One thread keeps every operator's output independent of scheduling.
export MAGICK_THREAD_LIMIT=1

TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

# Options shared by every PNG we write: no text, time or gamma chunks.
PNG_OPTS=(-strip -define png:exclude-chunks=date,time +set date:create +set date:modify)

# ---------------------------------------------------------------------------
# Background: a calm sky, deep blue along the top where the white title sits,
# pale and light across the body so black control text stays readable.
# ---------------------------------------------------------------------------
make_background() {
    local W=500 H=309
    # Per-channel vertical profile: a sigmoid hands over from the title band
    # (top colour -> band-edge colour) to the body (pale -> near-white).
    sky_profile() { # top band_edge body_top body_bottom
        echo "wband=1/(1+exp((j-35)/8)); wbody=1-exp(-max(j-30,0)/120);" \
             "cbody=$3+($4-$3)*wbody; cband=$1+($2-$1)*pow(j/36,1.3);" \
             "(1-wband)*cbody+wband*cband"
    }
    convert -size 1x$H xc:white -colorspace sRGB -type TrueColor \
        -channel R -fx "$(sky_profile 0.10 0.30 0.79 0.95)" \
        -channel G -fx "$(sky_profile 0.29 0.55 0.89 0.97)" \
        -channel B -fx "$(sky_profile 0.58 0.83 0.965 0.985)" \
        +channel -scale ${W}x$H! "$TMP/sky.png"

    # Position hash in [0,1): deterministic stand-in for noise.
    local hash='hv=sin(i*12.9898+j*78.233+SEED)*43758.5453; hv-floor(hv)'

    # A few broad, very soft cloud bands.
    convert -size ${W}x$H xc:black -fill white \
        -draw "ellipse 110,132 170,9 0,360" \
        -draw "ellipse 330,120 120,6 0,360" \
        -draw "ellipse 420,182 150,10 0,360" \
        -draw "ellipse 150,214 130,7 0,360" \
        -draw "ellipse 270,262 230,12 0,360" \
        -blur 0x10 -evaluate multiply 0.6 "$TMP/bands.png"

    # Thin wisps: two octaves of coarse hash noise, smeared horizontally and
    # thresholded softly so only the crests remain; kept out of the title band.
    convert -size 10x45 xc:gray -fx "${hash//SEED/1.7}" \
        -filter Catrom -resize ${W}x$H! "$TMP/n1.png"
    convert -size 30x120 xc:gray -fx "${hash//SEED/5.3}" \
        -filter Catrom -resize ${W}x$H! "$TMP/n2.png"
    convert -size 1x$H xc:black -fx 'min(1,max(0,(j-45)/60))' \
        -scale ${W}x$H! "$TMP/fade.png"
    convert "$TMP/n1.png" "$TMP/n2.png" \
        -compose Mathematics -define compose:args=0,0.35,0.65,0 -composite \
        -morphology Convolve Blur:0x18,0 -level 52%,80% \
        "$TMP/fade.png" -compose Multiply -composite \
        -evaluate multiply 0.45 "$TMP/wisps.png"

    convert "$TMP/bands.png" "$TMP/wisps.png" -compose Plus -composite \
        "$TMP/cloudmask.png"
    convert -size ${W}x$H xc:white "$TMP/cloudmask.png" \
        -alpha off -compose CopyOpacity -composite "$TMP/clouds.png"

    # Warm glow low on the horizon.
    convert -size ${W}x$H xc:black -fill white \
        -draw "ellipse 250,315 260,45 0,360" -blur 0x30 \
        -evaluate multiply 0.7 "$TMP/glowmask.png"
    convert -size ${W}x$H xc:'#fffcf0' "$TMP/glowmask.png" \
        -alpha off -compose CopyOpacity -composite "$TMP/glow.png"

    # Fine dither (about +-1.5 levels) so the long gradients do not band.
    convert -size ${W}x$H xc:gray -fx "${hash//SEED/0}" "$TMP/dither.png"

    convert "$TMP/sky.png" \
        "$TMP/clouds.png" -compose Over -composite \
        "$TMP/glow.png" -compose Over -composite \
        "$TMP/dither.png" -compose Mathematics \
        -define compose:args=0,0.012,1,-0.006 -composite \
        -alpha off -strip +set date:create +set date:modify \
        -sampling-factor 1x1 -interlace none -quality 92 \
        "JPEG:$OUT/background.jpg"
}

# ---------------------------------------------------------------------------
# Caption-button glyphs: white shapes with a soft dark drop shadow.
# Shapes are drawn as a coverage mask at 8x and box-averaged down, which
# gives exact pixel edges where shapes sit on the grid and smooth diagonals.
# ---------------------------------------------------------------------------
S=8

# Mask rectangle covering glyph pixels x0..x1, y0..y1 inclusive.
#   rect COLOUR x0 y0 x1 y1
rect() {
    printf 'fill %s rectangle %d,%d %d,%d ' "$1" \
        $(($2 * S)) $(($3 * S)) $((($4 + 1) * S - 1)) $((($5 + 1) * S - 1))
}

# Mask polygon in glyph-pixel units (edges on pixel boundaries; fractional
# values allowed).   poly COLOUR x,y x,y ...
poly() {
    local colour=$1; shift
    local pts="" p
    for p in "$@"; do
        pts+="$(awk -v p="$p" -v s=$S 'BEGIN{split(p,a,","); printf "%.3f,%.3f ", a[1]*s-0.5, a[2]*s-0.5}')"
    done
    printf 'fill %s polygon %s ' "$colour" "$pts"
}

# Window outline: 1 px sides and bottom, a 2 px title bar on top.
#   window x0 y0 x1 y1
window_outline() {
    rect white "$1" "$2" "$3" "$4"
    rect black $(($1 + 1)) $(($2 + 2)) $(($3 - 1)) $(($4 - 1))
}

#   glyph NAME WIDTH HEIGHT DRAW-COMMANDS
glyph() {
    local name=$1 w=$2 h=$3 draw=$4
    convert -size $((w * S))x$((h * S)) xc:black +antialias -stroke none \
        -draw "$draw" -scale ${w}x$h! "$TMP/$name.mask.png"
    # White glyph carrying the mask as alpha.
    convert -size ${w}x$h xc:white "$TMP/$name.mask.png" \
        -alpha off -compose CopyOpacity -composite "$TMP/$name.fg.png"
    # Shadow: black at 45%, blurred about a pixel, shifted 1 px down-right.
    convert "$TMP/$name.mask.png" -evaluate multiply 0.45 \
        -virtual-pixel black -blur 0x0.75 \
        -page +1+1 -background black -flatten "$TMP/$name.shmask.png"
    convert -size ${w}x$h xc:black "$TMP/$name.shmask.png" \
        -alpha off -compose CopyOpacity -composite "$TMP/$name.sh.png"
    convert -size ${w}x$h xc:none \
        "$TMP/$name.sh.png" -compose Over -composite \
        "$TMP/$name.fg.png" -compose Over -composite \
        "${PNG_OPTS[@]}" "PNG32:$OUT/$name.png"
}

make_caption_glyphs() {
    # Minimize: a 9 x 2 bar in the lower middle.
    glyph caption_minimize 26 18 "$(rect white 8 11 16 12)"

    # Maximize: one 9 x 8 window.
    glyph caption_maximize 26 18 "$(window_outline 8 5 16 12)"

    # Restore: two 7 x 6 windows, the front one hiding the back one's corner.
    glyph caption_restore 26 18 "$(window_outline 11 4 17 9)$(rect black 8 7 14 12)$(window_outline 8 7 14 12)"

    # Close: an 8 x 8 cross (box 15..23 x 5..13); each stroke is a band
    # 2 px wide measured across it, i.e. 1.414 px either side of a diagonal,
    # clipped square at the box.
    glyph caption_close 38 18 \
        "$(poly white 15,5 16.414,5 23,11.586 23,13 21.586,13 15,6.414)$(poly white 23,5 23,6.414 16.414,13 15,13 15,11.586 21.586,5)"

    # Help: a filled speech bubble with a question mark cut out of it.
    local bubble q
    bubble="$(rect white 7 3 18 11)"
    # Round the corners off.
    bubble+="$(rect black 7 3 7 3)$(rect black 18 3 18 3)$(rect black 7 11 7 11)$(rect black 18 11 18 11)"
    # Tail, stepping down to the lower left.
    bubble+="$(rect white 9 12 11 12)$(rect white 9 13 10 13)$(rect white 9 14 9 14)"
    q="$(rect black 12 4 13 4)$(rect black 11 5 11 5)$(rect black 14 5 14 6)"
    q+="$(rect black 13 7 13 8)$(rect black 13 10 13 10)"
    glyph caption_help 26 18 "$bubble$q"

    # Menu: a window with a pen resting across its lower-right corner; a
    # transparent gap keeps the pen apart from the frame.
    # The pen lies at 45 degrees with its edges through pixel corners, so
    # the staircase stays crisp.
    local pen
    pen="$(poly black 11.8,9.8 17.8,3.8 20.7,6.7 14.7,12.7 11.05,13.45)"
    pen+="$(poly white 12.5,10.5 18,5 19.5,6.5 14,12 11.75,12.75)"
    glyph caption_menu 26 18 "$(window_outline 5 4 13 11)$pen"
}

# ---------------------------------------------------------------------------
# Pixel-exact glyphs are written as ImageMagick pixel enumerations (txt:),
# so every value lands in the file exactly as listed.
# ---------------------------------------------------------------------------

# Interior colour of the check box for k = row + column (0..20), light from
# the top-left towards the bottom-right.
CHECK_RAMP=(DEDFD6 E0E0D8 E2E2DA E4E4DC E7E6DF E9E8E1 EBE9E3 EDEBE5 F0EDE8 F2EFEA
            F4F1EC F7F3EF F7F4F0 F8F5F1 F9F6F3 F9F7F4 FAF8F6 FBF9F7 FCFAF9 FCFBFA
            FDFCFC)

# Tick of the checked box, as "row,column" in the 13 x 13 image.
CHECK_TICK="3,9 4,8 4,9 5,3 5,7 5,8 5,9 6,3 6,4 6,6 6,7 6,8 7,3 7,4 7,5 7,6 7,7 8,4 8,5 8,6 9,5"

hex_rgb() { printf '%d,%d,%d' "0x${1:0:2}" "0x${1:2:2}" "0x${1:4:2}"; }

#   check_box OUTPUT BORDER-R,G,B,A TICK-PIXELS
check_box() {
    local out=$1 border=$2 tick=" $3 " r c
    {
        echo "# ImageMagick pixel enumeration: 13,13,255,srgba"
        for ((r = 0; r < 13; r++)); do
            for ((c = 0; c < 13; c++)); do
                if ((r == 0 || c == 0 || r == 12 || c == 12)); then
                    echo "$c,$r: ($border)"
                elif [[ $tick == *" $r,$c "* ]]; then
                    echo "$c,$r: (36,110,117,255)"
                else
                    echo "$c,$r: ($(hex_rgb "${CHECK_RAMP[r + c - 2]}"),255)"
                fi
            done
        done
    } | convert txt:- "${PNG_OPTS[@]}" "PNG32:$OUT/$out"
}

#   bitmap OUTPUT WIDTH ROW... ; '#' is opaque black, '.' fully transparent.
bitmap() {
    local out=$1 w=$2; shift 2
    local h=$# r=0 c row
    {
        echo "# ImageMagick pixel enumeration: $w,$h,255,srgba"
        for row in "$@"; do
            for ((c = 0; c < w; c++)); do
                if [[ ${row:c:1} == '#' ]]; then
                    echo "$c,$r: (0,0,0,255)"
                else
                    echo "$c,$r: (0,0,0,0)"
                fi
            done
            r=$((r + 1))
        done
    } | convert txt:- "${PNG_OPTS[@]}" "PNG32:$OUT/$out"
}

make_pixel_glyphs() {
    check_box check_unchecked.png "3,3,3,230" ""
    check_box check_checked.png "24,81,132,255" "$CHECK_TICK"

    bitmap arrow_down.png 7 "#######" ".#####." "..###.." "...#..."
    bitmap arrow_up.png 7 "...#..." "..###.." ".#####." "#######"
    bitmap arrow_left.png 4 "...#" "..##" ".###" "####" ".###" "..##" "...#"
    bitmap arrow_right.png 4 "#..." "##.." "###." "####" "###." "##.." "#..."
}

# ---------------------------------------------------------------------------
# Program icon: a blue shield carrying a white play triangle, drawn for each
# size at 8x and box-averaged down. Colour and coverage are scaled apart so
# the edge pixels keep the border colour instead of darkening towards black.
# ---------------------------------------------------------------------------
#   icon_image SIZE BORDER-PX
icon_image() {
    local n=$1 border=$2 big=$(($1 * S))
    # Normalised shape coordinates (0..1) mapped onto the 8x canvas.
    local shield play
    shield=$(awk -v z=$big 'function p(x,y){return sprintf("%.2f,%.2f ", x*z-0.5, y*z-0.5)}
        BEGIN{printf "path '"'"'M %s Q %s %s L %s Q %s %s Q %s %s L %s Q %s %s Z'"'"'",
            p(0.5,0.04), p(0.70,0.15), p(0.91,0.15), p(0.91,0.48),
            p(0.89,0.80), p(0.5,0.97), p(0.11,0.80), p(0.09,0.48),
            p(0.09,0.15), p(0.30,0.15), p(0.5,0.04)}')
    play=$(awk -v z=$big 'function p(x,y){return sprintf("%.2f,%.2f ", x*z-0.5, y*z-0.5)}
        BEGIN{printf "polygon %s %s %s", p(0.39,0.31), p(0.39,0.71), p(0.72,0.51)}')

    convert -size ${big}x$big xc:black -fill white -draw "$shield" \
        "$TMP/icon$n.outer.png"
    convert "$TMP/icon$n.outer.png" \
        -morphology Erode Disk:$((border * S)) "$TMP/icon$n.inner.png"
    # Soft sheen over the upper part of the shield.
    convert -size ${big}x$big xc:black -fill white \
        -draw "ellipse $((big / 2)),$((big * 12 / 100)) $((big * 55 / 100)),$((big * 34 / 100)) 0,360" \
        "$TMP/icon$n.inner.png" -compose Multiply -composite \
        -evaluate multiply 0.22 "$TMP/icon$n.sheen.png"
    convert -size ${big}x$big xc:black -fill white -draw "$play" \
        "$TMP/icon$n.play.png"

    # Colour: border ground, gradient body, sheen, then the triangle.
    convert -size ${big}x$big xc:'#0f3470' \
        \( -size ${big}x$big gradient:'#5aaef2'-'#1a56b0' \
           "$TMP/icon$n.inner.png" -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        \( -size ${big}x$big xc:white \
           "$TMP/icon$n.sheen.png" -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        \( -size ${big}x$big xc:white \
           "$TMP/icon$n.play.png" -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        -alpha off -scale ${n}x$n! "$TMP/icon$n.rgb.png"
    convert "$TMP/icon$n.outer.png" -scale ${n}x$n! "$TMP/icon$n.alpha.png"
    convert "$TMP/icon$n.rgb.png" "$TMP/icon$n.alpha.png" \
        -alpha off -compose CopyOpacity -composite "${PNG_OPTS[@]}" \
        "PNG32:$TMP/icon$n.png"
}

make_icon() {
    icon_image 16 1
    icon_image 32 1
    icon_image 48 2
    convert "$TMP/icon16.png" "$TMP/icon32.png" "$TMP/icon48.png" \
        -strip "ICO:$OUT/app.ico"
}

make_background
make_caption_glyphs
make_pixel_glyphs
make_icon

# Confirm sizes, formats and the pixel-exact glyphs straight away.
"$ROOT/tools/verify_assets.sh"
