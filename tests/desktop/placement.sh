# The window opens centred on the pointer, also where that puts part of it
# off the screen.
# Usage: placement.sh POINTER_X POINTER_Y EXPECTED_LEFT EXPECTED_TOP

source "$(dirname "$0")/lib.sh"

xdotool mousemove "$1" "$2"
start_game
wid=$(wait_for_window)
read_geometry "$wid"
[[ $WIN_X == "$3" && $WIN_Y == "$4" ]] ||
    fail "pointer at ($1,$2): window at ($WIN_X,$WIN_Y), expected ($3,$4)"
kill -TERM "$GAME_PID"
expect_exit "$GAME_PID" 0
