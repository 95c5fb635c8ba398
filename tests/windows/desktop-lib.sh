# Helpers of the desktop tests of the Windows game, sourced by each test:
#   source desktop-lib.sh SESSION_DIR WINE GAME_EXE
# Each test runs in a fresh directory of its own (the game's current
# directory, where its score file goes) on the X display of the Wine session.
set -euo pipefail

session=$1 wine=$2 game=$3
shift 3

export WINEPREFIX="$session/prefix" HOME="$session/home" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
DISPLAY=$(cat "$session/display")
export DISPLAY

work=$(mktemp -d)
cd "$work"
started_pids=()
games_started=0

finish() {
  # A game a failed check left running ends with the test.
  local pid
  for pid in "${started_pids[@]}"; do
    kill -CONT "$pid" 2>/dev/null || true
    kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts the game with the command-line words given; sets GAME_PID. Its
# output goes to files (see desktop-testing.md: never a pipe).
start_game() {
  games_started=$((games_started + 1))
  "$wine" "$game" "$@" >"$work/game$games_started.out" 2>&1 &
  GAME_PID=$!
  started_pids+=("$GAME_PID")
}

source "$(dirname "${BASH_SOURCE[0]}")/../support/quiet_field.sh"

# start_game_in_quiet_field LIBFAKETIME [WORD...]: start_game with the
# calendar clock faked to QUIET_FIELD_TIME; the game's pace keeps real time.
start_game_in_quiet_field() {
  local libfaketime=$1
  shift
  LD_PRELOAD=$libfaketime FAKETIME="@$QUIET_FIELD_TIME" DONT_FAKE_MONOTONIC=1 start_game "$@"
}

# Prints the X window of the game process PID once it is visible; fails
# after 20 s.
wait_window() {
  local pid=$1 window
  for _ in $(seq 400); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    if [ -n "$window" ]; then
      echo "$window"
      return
    fi
    kill -0 "$pid" 2>/dev/null || fail "the game (pid $pid) ended without showing a window"
    sleep 0.05
  done
  fail "no window of the game (pid $pid) after 20 s"
}

# Prints "X Y WIDTH HEIGHT" of an X window.
geometry() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Waits up to SECONDS for the process PID to end and sets EXIT_STATUS to its
# exit status; fails if it is still running then.
wait_exit() {
  local pid=$1 seconds=$2
  for _ in $(seq $((seconds * 20))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      EXIT_STATUS=0
      wait "$pid" || EXIT_STATUS=$?
      return
    fi
    sleep 0.05
  done
  fail "the game (pid $pid) still runs after $seconds s"
}

# Presses Esc in the game's window and checks that the game ends with 0.
quit_with_escape() {
  xdotool key --window "$2" Escape
  wait_exit "$1" 10
  [ "$EXIT_STATUS" = 0 ] || fail "the game ended with $EXIT_STATUS after Esc"
}
