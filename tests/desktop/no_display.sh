# Without a display the game ends at once, with 0 and without a word.

source "$(dirname "$0")/lib.sh"

readonly LIMIT_S=10

code=0
env -u DISPLAY -u WAYLAND_DISPLAY timeout "$LIMIT_S" "$ZA_GAME" >out.log 2>&1 || code=$?
[[ $code == 0 ]] || fail "exited with $code (124: still running after ${LIMIT_S} s)"
[[ ! -s out.log ]] || fail "printed: $(cat out.log)"
