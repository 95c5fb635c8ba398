# The score file of the real game: an exit with Esc leaves the 80-byte table,
# encrypted under the key derived from the executable (RC4 keyed with the
# MD5 of its SHA-1 digest); the next run loads a table written that way and
# saves it back; a damaged marker gives the defaults.

source "$(dirname "$0")/lib.sh"

readonly CIPHER="$(dirname "$0")/score_cipher.py"

# run_and_quit: one run of the game, ended with Esc.
run_and_quit() {
    start_game
    wait_for_window >/dev/null
    xdotool key Escape
    expect_exit "$GAME_PID" 0
}

run_and_quit
[[ -f astscore.dat ]] || fail "no score file after the first run"
(($(stat -c %s astscore.dat) == 80)) || fail "the score file has $(stat -c %s astscore.dat) bytes"
table=$(python3 "$CIPHER" show "$ZA_GAME" astscore.dat)
[[ $table == "POW 1000,ERO 800,FAT 600,TOR 400,NEY 200" ]] || fail "first run saved: $table"

python3 "$CIPHER" write "$ZA_GAME" astscore.dat "QED 9999,POW 1000,ERO 800,FAT 600,TOR 400"
run_and_quit
table=$(python3 "$CIPHER" show "$ZA_GAME" astscore.dat)
[[ $table == "QED 9999,POW 1000,ERO 800,FAT 600,TOR 400" ]] || fail "a written table came back as: $table"

# One bit of entry 3's tail marker flipped; the stream cipher flips the same
# bit of the plain table.
python3 "$CIPHER" flip astscore.dat 63
run_and_quit
table=$(python3 "$CIPHER" show "$ZA_GAME" astscore.dat)
[[ $table == "POW 1000,ERO 800,FAT 600,TOR 400,NEY 200" ]] || fail "a damaged table came back as: $table"
