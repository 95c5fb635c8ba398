# What the real game plays, captured by SDL's disk audio driver: after Ctrl
# starts a game, a second Ctrl fires a shot whose pitch falls; the background
# beat sounds 1500 ms after the start and every 1500 ms after that,
# alternating its higher (150 Hz) and lower (140 Hz) tone; after S nothing
# more is heard, though the beat goes on. The field is one where the shot
# hits nothing and nothing hits the ship, so no explosion covers a beat.

source "$(dirname "$0")/../desktop/lib.sh"
: "${ZA_CAPTURE_ANALYSIS:?ZA_CAPTURE_ANALYSIS must name the analysis tool}"

readonly CAPTURE="$WORK_DIR/capture.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$CAPTURE"

start_game_in_quiet_field
wid=$(wait_for_window)
sleep 0.5
xdotool key --window "$wid" ctrl   # the game starts; its beat 1500 ms later
sleep 0.5
xdotool key --window "$wid" ctrl   # a shot
sleep 4.3                          # three beats: 1500, 3000 and 4500 ms in
xdotool key --window "$wid" s      # sound off
sleep 3.2                          # the beats at 6000 and 7500 ms go unheard
xdotool key Escape
expect_exit "$GAME_PID" 0

"$ZA_CAPTURE_ANALYSIS" "$CAPTURE" >analysis.txt
cat analysis.txt

# The beats: sounds of 100 ms at 150.7 or 141.0 Hz (whole-sample periods of
# 73 and 78 at 11000 Hz), by their start times.
awk '$1 == "sound" && $3 >= 90 && $3 <= 115 {
         if ($4 > 148 && $4 < 153 && $5 > 148 && $5 < 153) print $2, "high"
         else if ($4 > 138.5 && $4 < 143.5 && $5 > 138.5 && $5 < 143.5) print $2, "low"
     }' analysis.txt >beats.txt
[[ $(wc -l <beats.txt) -eq 3 ]] || fail "expected three beats before S, heard: $(tr '\n' ' ' <beats.txt)"
[[ $(awk '{ printf "%s ", $2 }' beats.txt) == "high low high " ]] ||
    fail "the beat does not alternate: $(tr '\n' ' ' <beats.txt)"
# The disk driver keeps the pace of real time only roughly: it waits whole
# milliseconds between periods, so the capture may fall a little behind the
# game's clock, never ahead. Each gap between beats must be 1500 ms of the
# game, within that.
total=$(awk '$1 == "end" { print $2 }' analysis.txt)
awk 'NR > 1 { gap = $1 - previous; if (gap < 1350 || gap > 1560) exit 1 }
     { previous = $1 }' beats.txt ||
    fail "beats not 1500 ms of the capture apart: $(tr '\n' ' ' <beats.txt)"

# The shot: before the first beat, a falling pitch from near 750 Hz.
first_beat=$(head -n 1 beats.txt | cut -d' ' -f1)
awk -v before="$first_beat" '$1 == "sound" && $2 < before - 500 && $4 > 650 && $4 < 760 &&
                             $5 > 520 && $5 < $4 - 40 { found = 1 }
                             END { exit !found }' analysis.txt ||
    fail "no falling shot before the first beat"

# After S: silence, for longer than the beat's period.
last_beat=$(tail -n 1 beats.txt | cut -d' ' -f1)
awk -v after="$last_beat" '$1 == "sound" && $2 > after { exit 1 }' analysis.txt ||
    fail "sound after S"
((total > last_beat + 2500)) || fail "the capture ends ${total} ms in, too soon to hear silence"
echo "PASS"
