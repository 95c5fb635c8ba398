# A second game started while one runs ends at once with 0 and touches
# nothing; the first runs on. Once the first has died, even killed outright,
# a game starts again.

source "$(dirname "$0")/lib.sh"

readonly SECOND_LIMIT_S=5

start_game
first=$GAME_PID
wid=$(wait_for_window)

# In an empty directory of its own, so anything it wrote would show.
mkdir second
code=0
(cd second && timeout "$SECOND_LIMIT_S" "$ZA_GAME") >second.log 2>&1 || code=$?
[[ $code == 0 ]] || fail "second instance exited with $code (124: still running after ${SECOND_LIMIT_S} s)"
[[ -z $(ls -A second) ]] || fail "second instance left files: $(ls -A second)"
[[ ! -s second.log ]] || fail "second instance printed: $(cat second.log)"
(($(window_count) == 1)) || fail "$(window_count) game windows after the second start"
running "$first" || fail "the first game ended"
xdotool getwindowgeometry "$wid" >/dev/null || fail "the first game's window is gone"

kill -KILL "$first"
wait "$first" || true
end=$(($(now_ms) + DEADLINE_MS))
while (($(window_count) > 0)); do
    (($(now_ms) < end)) || fail "the killed game's window stays"
    sleep "$POLL_S"
done
start_game
wait_for_window >/dev/null
kill -TERM "$GAME_PID"
expect_exit "$GAME_PID" 0
