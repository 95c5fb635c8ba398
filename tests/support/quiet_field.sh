# Sourced by the desktop tests of both builds.
#
# A start time whose asteroid field leaves the ship and its first shot alone
# for the first seconds of a game, whenever within a second or two the keys
# come: the simulator played such games from this calendar time and the
# next second, with the start, a turn and the shot early and late, and none
# lost a life or scored. A test that starts the game at this time (with
# libfaketime) sees no explosion it did not ask for.
readonly QUIET_FIELD_TIME="2025-04-27 00:00:00"
