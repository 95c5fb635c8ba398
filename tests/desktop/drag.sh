# Dragging with the left button moves the window so that the grabbed pixel
# stays under the pointer, for every step of the pointer: also for a second
# step equal to the first, after which the pointer's position relative to
# the window repeats, and for steps that take the window off the screen.

source "$(dirname "$0")/lib.sh"

xdotool mousemove 300 200
start_game
wid=$(wait_for_window)
expect_position "$wid" 268 168

# Client point (10, 20) of the window at (268, 168).
xdotool mousemove 278 188 mousedown 1
xdotool mousemove 300 400
expect_position "$wid" 290 380
xdotool mousemove 350 425
expect_position "$wid" 340 405
xdotool mousemove 400 450
expect_position "$wid" 390 430
xdotool mousemove 5 5
expect_position "$wid" -5 -15
xdotool mouseup 1

# Released, the window stays where the drag left it.
xdotool mousemove 600 600
sleep 0.5
expect_position "$wid" -5 -15
kill -TERM "$GAME_PID"
expect_exit "$GAME_PID" 0
