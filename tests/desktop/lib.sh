# Helpers shared by the desktop tests. Each test runs inside an X server of
# its own (xvfb-run) with a runtime and a working directory of its own, so
# the game's single-instance lock and score file never meet another test's,
# and it ends every process it started, whatever happens.

set -euo pipefail

: "${ZA_GAME:?ZA_GAME must name the game executable}"

readonly WINDOW_NAME='^ZUMIASTEROIDS_3941$'
readonly DEADLINE_MS=10000
readonly POLL_S=0.05

WORK_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR="$WORK_DIR/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$WORK_DIR"
STARTED_PIDS=()

cleanup() {
    local pid
    for pid in "${STARTED_PIDS[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
    cd /
    rm -rf "$WORK_DIR"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

now_ms() { date +%s%3N; }

# start_game [ARG...]: starts the game in the background; sets GAME_PID.
start_game() {
    "$ZA_GAME" "$@" >>"$WORK_DIR/game.log" 2>&1 &
    GAME_PID=$!
    STARTED_PIDS+=("$GAME_PID")
}

source "$(dirname "${BASH_SOURCE[0]}")/../support/quiet_field.sh"

# start_game_in_quiet_field [ARG...]: start_game with the calendar clock
# faked to QUIET_FIELD_TIME (libfaketime); the game's pace keeps real time.
start_game_in_quiet_field() {
    : "${ZA_LIBFAKETIME:?ZA_LIBFAKETIME must name libfaketime}"
    LD_PRELOAD=$ZA_LIBFAKETIME FAKETIME="@$QUIET_FIELD_TIME" DONT_FAKE_MONOTONIC=1 \
        start_game "$@"
}

# running PID: true while the process exists and has not ended (an ended
# child stays a zombie until it is waited for, and kill -0 still finds it).
running() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 1
    [[ -n $state && $state != Z ]]
}

# wait_for_window: prints the X id of the game's mapped window.
wait_for_window() {
    local end=$(($(now_ms) + DEADLINE_MS)) id
    while (($(now_ms) < end)); do
        id=$(xdotool search --onlyvisible --name "$WINDOW_NAME" 2>/dev/null | head -n 1 || true)
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep "$POLL_S"
    done
    fail "no game window within $((DEADLINE_MS / 1000)) s"
}

# window_count: how many game windows the X server knows, mapped or not.
window_count() {
    xdotool search --name "$WINDOW_NAME" 2>/dev/null | wc -l
}

# read_geometry WID: sets WIN_X, WIN_Y, WIN_W and WIN_H.
read_geometry() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# expect_position WID X Y: waits until the window's top-left corner is at
# (X, Y); fails with where it is when the deadline passes.
expect_position() {
    local end=$(($(now_ms) + DEADLINE_MS))
    while :; do
        read_geometry "$1"
        [[ $WIN_X == "$2" && $WIN_Y == "$3" ]] && return 0
        (($(now_ms) < end)) || fail "window at ($WIN_X,$WIN_Y), expected ($2,$3)"
        sleep "$POLL_S"
    done
}

# expect_exit PID CODE: waits for the process to end and checks its exit code.
expect_exit() {
    local end=$(($(now_ms) + DEADLINE_MS)) code=0
    while running "$1"; do
        (($(now_ms) < end)) || fail "process $1 still running after $((DEADLINE_MS / 1000)) s"
        sleep "$POLL_S"
    done
    wait "$1" || code=$?
    [[ $code == "$2" ]] || fail "process $1 exited with $code, expected $2"
}
