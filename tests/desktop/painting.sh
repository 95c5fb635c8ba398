# The window shows the game's picture: the asteroids of the title screen as
# white outlines on black, and nothing but greys.

source "$(dirname "$0")/lib.sh"

readonly SIZE=100
readonly WHITE='#FFFFFF'

xdotool mousemove 400 300
start_game "$SIZE"
wid=$(wait_for_window)
read_geometry "$wid"
crop="${SIZE}x${SIZE}+${WIN_X}+${WIN_Y}"

# The asteroids fade in from black; wait until some are fully white.
end=$(($(now_ms) + DEADLINE_MS))
while :; do
    import -window root shot.png
    convert shot.png -crop "$crop" +repage -format %c histogram:info: >colours.txt
    grep -q "$WHITE" colours.txt && break
    (($(now_ms) < end)) || fail "no white pixel in the window; colours: $(cat colours.txt)"
    sleep 0.2
done
# Histogram lines read "count: (r,g,b) #RRGGBB ...".
mapfile -t colours < <(sed -n 's/^[^(]*(\([^)]*\)).*/\1/p' colours.txt | tr -d ' ')
((${#colours[@]} == $(wc -l <colours.txt))) || fail "unreadable colours: $(cat colours.txt)"
for colour in "${colours[@]}"; do
    IFS=',' read -r r g b <<<"$colour"
    [[ $r == "$g" && $g == "$b" ]] || fail "colour ($colour) in the window is not a grey"
done
kill -TERM "$GAME_PID"
expect_exit "$GAME_PID" 0
