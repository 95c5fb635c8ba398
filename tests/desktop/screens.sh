# The title screen in a 64-pixel window: page 0's four lines exactly where
# the game puts them, and four seconds later the high-score page.

source "$(dirname "$0")/lib.sh"

readonly SIZE=64

# The pictures of the two pages over an empty field, from the game's own code.
mkdir masks
(cd masks && "${ZA_TITLE_MASK:?}" "$SIZE" 0 page0.pgm && "$ZA_TITLE_MASK" "$SIZE" 1 page1.pgm) ||
    fail "the title pages could not be drawn headless"

# text_mask IMAGE OUT: only the bright pixels, white on black.
text_mask() { convert "$1" -colorspace gray -threshold 50% -depth 8 "$2"; }
# lit_count IMAGE: how many white pixels.
lit_count() { convert "$1" -format '%[fx:int(mean*w*h+0.5)]' info:; }

xdotool mousemove 400 300
start_game "$SIZE"
wid=$(wait_for_window)
started=$(now_ms)
read_geometry "$wid"
crop="${SIZE}x${SIZE}+${WIN_X}+${WIN_Y}"

# Right after the start the asteroids are still nearly black (they fade in
# over two seconds), so the bright pixels are the page's text alone. The
# window is mapped a moment before its first paint.
text_mask masks/page0.pgm expected0.pgm
while :; do
    import -window root first.png
    convert first.png -crop "$crop" +repage window0.png
    text_mask window0.png shown0.pgm
    (($(lit_count shown0.pgm) > 0)) && break
    (($(now_ms) - started < 500)) || fail "the window shows nothing"
done
(($(now_ms) - started < 800)) || fail "the first picture came too late to tell text from asteroids"
differing=$(compare -metric AE shown0.pgm expected0.pgm null: 2>&1 || true)
[[ $differing == 0 ]] || fail "page 0 differs from the game's own drawing in $differing pixels"

# Four seconds after the start the high-score page replaces page 0. The
# asteroids are bright by then, so only the text's own pixels are checked:
# those of the high-score page lit, those of page 0 (where neither page has
# text) mostly dark.
remaining=$((4300 - ($(now_ms) - started)))
((remaining > 0)) && sleep "$(awk "BEGIN { print $remaining / 1000 }")"
import -window root later.png
convert later.png -crop "$crop" +repage window1.png
text_mask window1.png shown1.pgm
text_mask masks/page1.pgm expected1.pgm
wanted=$(lit_count expected1.pgm)
convert shown1.pgm expected1.pgm -compose multiply -composite both1.pgm
present=$(lit_count both1.pgm)
((present * 100 >= wanted * 90)) || fail "only $present of the high-score page's $wanted pixels are lit"
convert expected0.pgm expected1.pgm -compose minus_src -composite only0.pgm
convert shown1.pgm only0.pgm -compose multiply -composite stale.pgm
stale=$(lit_count stale.pgm)
page0=$(lit_count only0.pgm)
((stale * 100 <= page0 * 20)) || fail "$stale of page 0's $page0 pixels are still lit"

xdotool key Escape
expect_exit "$GAME_PID" 0
