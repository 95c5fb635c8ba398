# Every way of ending the game goes through its normal teardown and exits 0.
# Usage: quit.sh escape|close|terminate

source "$(dirname "$0")/lib.sh"

start_game
wid=$(wait_for_window)
case $1 in
    # Plain "xdotool key" types into the focused window. Aimed at the window
    # with --window, the release would miss the window the press closed and
    # stay down in the X server.
    escape) xdotool key Escape ;;
    # No window manager runs, so the test asks the window to close itself.
    close) "${ZA_SEND_CLOSE:?ZA_SEND_CLOSE must name the close helper}" "$wid" ;;
    terminate) kill -TERM "$GAME_PID" ;;
    *) fail "unknown way to quit: $1" ;;
esac
expect_exit "$GAME_PID" 0
