# The window's size follows the command line, and the window opens centred
# on the pointer whatever its size.
# Usage: window_size.sh EXPECTED_SIZE [ARG...]   (no ARG: an empty command line)

source "$(dirname "$0")/lib.sh"

expected=$1
shift
readonly POINTER_X=400 POINTER_Y=300

xdotool mousemove "$POINTER_X" "$POINTER_Y"
start_game "$@"
wid=$(wait_for_window)
read_geometry "$wid"
[[ $WIN_W == "$expected" && $WIN_H == "$expected" ]] ||
    fail "command line '$*': window ${WIN_W}x${WIN_H}, expected ${expected}x${expected}"
half=$((expected / 2))
[[ $WIN_X == $((POINTER_X - half)) && $WIN_Y == $((POINTER_Y - half)) ]] ||
    fail "command line '$*': window at ($WIN_X,$WIN_Y), not centred on ($POINTER_X,$POINTER_Y)"
kill -TERM "$GAME_PID"
expect_exit "$GAME_PID" 0
