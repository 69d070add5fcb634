#!/usr/bin/env bash
# The window's close (Alt+F4, which the window manager turns into its close)
# tried as a player would, in a window under a real window manager on a
# virtual X server of its own:
#  - on the main menu the close ends the program at once, status 0;
#  - with a saved game loaded and the day ended, the close asks the
#    save-and-quit question instead; Yes saves (the slot then holds the new
#    day) and the program ends, status 0;
#  - a close while that question is up ends it without saving;
#  - SIGTERM, which is no close of the window, ends the program at once,
#    status 0, even with a game under way.
# The window is titled Qorv.
# Skips (status 77, which CTest reports as Skipped, and one line saying
# why) where Xvfb, xdotool, the X tools (xwininfo, xprop, xwd), python3 or a
# window manager (openbox, icewm or fluxbox) are not installed;
# scripts/install-deps.sh --test brings them all.
#   tests/install/close_try.sh GAME SCENARIO [SHOTS_DIR]
# GAME is the built program (build/qorv), SCENARIO the built scenario
# runner (build/tools/scenario), which makes the saved game and reads it
# back; SHOTS_DIR, when given, gets a PNG of the screen after each step.
set -u
game=$(readlink -f "${1:?usage: close_try.sh GAME SCENARIO [SHOTS_DIR]}")
scenario=$(readlink -f "${2:?usage: close_try.sh GAME SCENARIO [SHOTS_DIR]}")
shots=${3:-}

readonly SKIPPED=77
for tool in Xvfb xdotool xwininfo xprop xwd python3; do
  command -v "$tool" >/dev/null 2>&1 || { echo "close_try: skipped: no $tool"; exit $SKIPPED; }
done
wm=
for candidate in openbox icewm fluxbox; do
  if command -v "$candidate" >/dev/null 2>&1; then wm=$candidate; break; fi
done
[ -n "$wm" ] || { echo "close_try: skipped: no window manager (openbox, icewm or fluxbox)"; exit $SKIPPED; }
[ -d "$(dirname "$game")/game/Art" ] || { echo "close_try: no game/Art beside $game"; exit 1; }

readonly SW=1280 SH=1024 FW=800 FH=600
fail() {
  echo "close_try: FAILED: $*"
  exit 1
}
# shellcheck source=tests/install/window_try_lib.sh
. "$(dirname "$0")/window_try_lib.sh"

lay_out_game "$game"

# Headless play in the same folder: a script of the scenario runner.
play() {
  printf '%s\n' "$2" >"$work/$1.txt"
  "$scenario" --dir "$work/game" "$work/$1.txt" >"$work/$1.log" 2>&1
}

# A new game in slot 1, saved on its first day by Escape and Yes.
play new_game "frames 3
click 100 570
expect screen NameEntryProc
expect state.slot 1
frames 1
key A
frames 280
click 400 500
expect screen NewGamePortraitProc
frames 2
click 398 448
expect screen StoryProc
frames 3
click 400 300
frames 3
expect screen MapProc
expect state.day 1
key ESC
frames 2
expect screen SaveAndQuitProc
click 210 340
frames 2
expect screen MainMenuProc" || fail "could not save a new game headless: $(cat "$work/new_game.log")"
[ -s "$work/game/Saves/1.save" ] || fail "the new game was not saved in slot 1"
cp "$work/game/Saves/1.save" "$work/first_day.save"

start_x "$SW" "$SH"
start_wm

# The pixel at picture point fx fy is black (below 30 in all).
black_at() {
  local sx sy r g b
  read -r sx sy < <(to_screen "$1" "$2")
  read -r r g b < <(pixel "$sx" "$sy")
  [ $((r + g + b)) -lt 30 ]
}
# The save-and-quit question: its picture on black, the map gone from the
# picture's left edge and its corners.
question_shown() {
  shot "$1"
  black_at 40 300 && black_at 20 20 && black_at 780 580 && ! black_at 400 200
}
running() { ! gone "$game_pid"; }
# The close asked the question, the program still running.
asked() {
  running || fail "$1: the close ended the program"
  question_shown "$1"
}
click_at() {
  local sx sy
  read -r sx sy < <(to_screen "$1" "$2")
  xdotool mousemove "$sx" "$sy"
  sleep 0.3
  xdotool click 1
}

# The game in a window that has the focus.
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]; }
start() {
  start_game --window
  xdotool windowactivate "$win" >/dev/null 2>&1
  wait_for "the game's window to be the active one" active
}
alt_f4() { xdotool key --clearmodifiers alt+F4; }
# Waits for the game to end; fails unless with status 0.
ended() {
  wait_for "the program to end: $1" gone "$game_pid"
  wait "$game_pid"
  local rc=$?
  [ "$rc" -eq 0 ] || fail "$1: the program ended with status $rc"
}
# The load list (black where the main menu has its sky) and the map.
load_list_shown() { shot load_list && black_at 100 150; }
map_shown() { shot map && not black_at 100 150 && not black_at 40 300; }
# The day's counter, top left, reads 2: the 2 has a stroke where the 1 has
# none.
second_day_shown() {
  local sx sy r g b
  shot 3_day_ended
  read -r sx sy < <(to_screen 31 43)
  read -r r g b < <(pixel "$sx" "$sy")
  [ $((r + g + b)) -gt 450 ]
}
# From the main menu, by clicks: the load list, then slot 1, and the map.
load_slot_1() {
  click_at 215 570
  wait_for "Load Game to open the load list" load_list_shown
  sleep 0.5
  click_at 527 220
  wait_for "slot 1 to load the game onto the map" map_shown
  sleep 1
}

# On the main menu the close ends the program at once.
start
title=$(xdotool getwindowname "$win" 2>/dev/null)
[ "$title" = Qorv ] || fail "the window is titled \"$title\", not Qorv"
shot 1_main_menu
alt_f4
ended "Alt+F4 on the main menu"

# A game loaded, the day ended with End Turn: the close asks the question,
# and Yes saves the new day and ends the program.
start
load_slot_1
shot 2_map
click_at 600 560  # the day's board
sleep 0.5
click_at 726 461  # End Turn
wait_for "End Turn to end the day (the armies' turn included)" second_day_shown
question_shown 3_day_ended && fail "the question is up before the close"
alt_f4
wait_for "Alt+F4 on the map to ask the question" asked 4_question
click_at 210 340  # Yes
ended "Yes after Alt+F4"
cmp -s "$work/game/Saves/1.save" "$work/first_day.save" && fail "Yes after Alt+F4 saved nothing"
play read_back "frames 3
click 215 570
frames 1
click 527 220
frames 3
expect screen MapProc
expect state.day 2" || fail "the slot does not hold the new day: $(cat "$work/read_back.log")"

# A close while the question is up ends the program without saving.
cp "$work/game/Saves/1.save" "$work/second_day.save"
start
load_slot_1
click_at 600 560
sleep 0.5
alt_f4
wait_for "Alt+F4 on the loaded map to ask the question" asked 5_question_again
alt_f4
ended "Alt+F4 with the question up"
cmp -s "$work/game/Saves/1.save" "$work/second_day.save" ||
  fail "the close with the question up changed the save"

# The program told to end by a signal ends, asking nothing.
start
load_slot_1
kill -TERM "$game_pid"
ended "SIGTERM with a game loaded"

if grep -v -x "qorv: no sound device: playing without sound" "$work/stderr" | grep -q .; then
  fail "standard error says more than the missing sound: $(head -c 600 "$work/stderr")"
fi
echo "close_try: passed under $wm"
