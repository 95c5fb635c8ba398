# Dragging with the left button moves the window so that the grabbed pixel
# stays under the pointer, for every step of the pointer: also for a second
# step equal to the first, after which the pointer's position relative to
# the window repeats, for a step that takes the window off the screen, and
# for a step the button is let go right after.

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
xdotool mousemove 100 50 mouseup 1 mousemove 600 600
expect_position "$wid" 90 30

# Released, the window stays where the drag left it.
sleep 0.5
expect_position "$wid" 90 30
kill -TERM "$GAME_PID"
expect_exit "$GAME_PID" 0
