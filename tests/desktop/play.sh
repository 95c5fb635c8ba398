# A game in the real window: the attract field moves; Ctrl starts a game with
# a pulsing ship at the centre; Right turns it; Ctrl fires a shot that flies
# away from the ship as a single point; Esc ends the program with 0. The
# field is one where nothing meets the ship or the shot meanwhile.

source "$(dirname "$0")/lib.sh"

readonly SIZE=200
readonly CENTRE=100
readonly SHIP_BOX=12  # pixels around the centre that hold the whole ship

xdotool mousemove 400 300
start_game_in_quiet_field "$SIZE"
wid=$(wait_for_window)
read_geometry "$wid"
crop="${SIZE}x${SIZE}+${WIN_X}+${WIN_Y}"

# shot NAME: the window's picture now, as NAME.png.
shot() {
    import -window root "$1.full.png"
    convert "$1.full.png" -crop "$crop" +repage "$1.png"
}
# pixels NAME: "x y grey" for every pixel that is not black.
pixels() {
    convert "$1.png" -colorspace gray -depth 8 txt:- |
        awk -F'[ ,:()]+' 'NR > 1 && $4 > 0 { print $1, $2, $4 }'
}
# in_box NAME: the lit pixels within SHIP_BOX of the centre.
in_box() {
    pixels "$1" | awk -v c=$CENTRE -v b=$SHIP_BOX \
        '$1 >= c - b && $1 <= c + b && $2 >= c - b && $2 <= c + b'
}

# The attract field moves.
sleep 2.5
shot attract1
sleep 0.5
shot attract2
[[ -n $(pixels attract1) ]] || fail "the attract field shows nothing"
[[ $(pixels attract1) != "$(pixels attract2)" ]] || fail "the attract field does not move"

# Away from the title text the lit pixels are the asteroids': hollow
# outlines, each a connected ring of pixels that covers well under half of
# its bounding box (the text's pixels are left out, since title page 0 is
# still up for a second and a half).
mkdir masks
"${ZA_TITLE_MASK:?}" "$SIZE" 0 masks/page0.pgm || fail "title page 0 could not be drawn headless"
convert attract1.png -colorspace gray -threshold 0 -depth 8 lit.pgm
convert lit.pgm masks/page0.pgm -compose minus_src -composite field.pgm
# Component lines read "id: WxH+X+Y cx,cy area colour".
outlines=$(convert field.pgm -define connected-components:verbose=true -connected-components 8 null: |
    awk '$5 == "gray(255)" {
            split($2, box, /[x+]/)
            if (box[1] >= 6 && box[2] >= 6 && $4 * 2 < box[1] * box[2]) n++
         }
         END { print n + 0 }')
((outlines >= 1)) || fail "no asteroid outline in the attract field"

xdotool key ctrl
# A new ship pulses grey at the centre: its picture shows several greys in turn.
greys=""
for _ in 1 2 3 4 5 6; do
    sleep 0.15
    shot pulse
    grey=$(in_box pulse | awk '{ print $3 }' | sort -n | tail -n 1)
    greys+="${grey:-0} "
done
[[ $(tr ' ' '\n' <<<"$greys" | sort -u | grep -c .) -ge 3 ]] ||
    fail "no pulsing ship at the centre (brightest greys seen: $greys)"

# Right held turns it: the lit pixels around the centre move.
shot before_turn
xdotool keydown Right
sleep 0.4
xdotool keyup Right
shot after_turn
outline() { in_box "$1" | awk '{ print $1, $2 }'; }
[[ $(outline before_turn) != "$(outline after_turn)" ]] || fail "the ship did not turn"

# A shot: a single white point with no lit neighbour, farther from the
# centre in the second picture than in the first.
xdotool key ctrl
sleep 0.1
shot flight1
sleep 0.25
shot flight2
# farthest_point NAME: the distance from the centre of the farthest lone white point.
farthest_point() {
    pixels "$1" | awk -v c=$CENTRE '
        { lit[$1 "," $2] = 1; grey[$1 "," $2] = $3 }
        END {
            best = -1
            for (p in lit) {
                split(p, xy, ",")
                if (grey[p] != 255) continue
                alone = 1
                for (dx = -1; dx <= 1; dx++) for (dy = -1; dy <= 1; dy++)
                    if ((dx || dy) && ((xy[1] + dx) "," (xy[2] + dy)) in lit) alone = 0
                if (!alone) continue
                d = sqrt((xy[1] - c) ^ 2 + (xy[2] - c) ^ 2)
                if (d > best) best = d
            }
            print int(best)
        }'
}
near=$(farthest_point flight1)
far=$(farthest_point flight2)
((near > 0 && far > near + 20)) || fail "no shot flying away from the ship (points at $near, then $far)"

xdotool key Escape
expect_exit "$GAME_PID" 0
