#!/usr/bin/env bash
# Full screen and Alt+Enter tried as a player would, under a real window
# manager on a virtual X server of its own (1920 x 1080):
#  - the game starts full screen on the whole display, the 800 x 600 picture
#    scaled with its aspect kept between two black bars;
#  - a click through the scaled picture lands on Load Game and opens it;
#  - Alt+Enter gives an 800 x 600 window and back, the pointer staying over
#    the same spot of the picture;
#  - --window starts in a window that does not hold the pointer;
#  - the window manager quits while the game runs (SIGTERM in a window;
#    asked to exit, and SIGKILL, in full screen): a click in the window,
#    then Escape held on the main menu, ends the game; and in a window with
#    the pointer in it all along, where the focus then goes elsewhere, a
#    mere press gives the game its input back;
#  - nothing but the line about a missing sound device on standard error.
# With --no-wm, on a virtual X server with no window manager at all, where
# full screen is the window as it was, holding the pointer:
#  - started with --window, each Alt+Enter, one way and the other, leaves
#    the whole 800 x 600 picture in the 800 x 600 window, at its size, and a
#    click on Load Game opens it;
#  - started full screen, the switch to the window and back does the same.
# Skips (status 77, which CTest reports as Skipped, and one line saying
# why) where Xvfb, xdotool, the X tools (xwininfo, xprop, xwd), python3 or
# (without --no-wm) a window manager (openbox, icewm or fluxbox) are not
# installed; scripts/install-deps.sh --test brings them all.
#   tests/install/fullscreen_try.sh [--no-wm] GAME [SHOTS_DIR]
# GAME is the built program (build/qorv); SHOTS_DIR, when given, gets a
# PNG of the screen after each step.
set -u
nowm=
if [ "${1:-}" = --no-wm ]; then
  nowm=1
  shift
fi
game=$(readlink -f "${1:?usage: fullscreen_try.sh [--no-wm] GAME [SHOTS_DIR]}")
shots=${2:-}

readonly SKIPPED=77
for tool in Xvfb xdotool xwininfo xprop xwd python3; do
  command -v "$tool" >/dev/null 2>&1 || { echo "fullscreen_try: skipped: no $tool"; exit $SKIPPED; }
done
wm=
for candidate in openbox icewm fluxbox; do
  if command -v "$candidate" >/dev/null 2>&1; then wm=$candidate; break; fi
done
[ -n "$wm" ] || [ -n "$nowm" ] ||
  { echo "fullscreen_try: skipped: no window manager (openbox, icewm or fluxbox)"; exit $SKIPPED; }
[ -d "$(dirname "$game")/game/Art" ] || { echo "fullscreen_try: no game/Art beside $game"; exit 1; }

readonly SW=1920 SH=1080 FW=800 FH=600
fail() {
  echo "fullscreen_try: FAILED: $*"
  exit 1
}
# shellcheck source=tests/install/window_try_lib.sh
. "$(dirname "$0")/window_try_lib.sh"

lay_out_game "$game"

start_x "$SW" "$SH"
[ -n "$nowm" ] || start_wm

pointer() { xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'; }
full_screen() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
size_is() { xwininfo -id "$win" | grep -q "Width: $1" && xwininfo -id "$win" | grep -q "Height: $2"; }
# The pointer over picture point fx fy (the screenshot, when kept, named NAME).
pointer_over() {
  local x y fx fy
  shot "$3"
  read -r x y < <(pointer)
  read -r fx fy < <(to_picture "$x" "$y")
  seen="the pointer over picture point $fx $fy"
  [ "$fx $fy" = "$1 $2" ]
}

# Standard error: at most the line about the sound.
check_stderr() {
  if grep -v -x "qorv: no sound device: playing without sound" "$work/stderr" | grep -q .; then
    fail "standard error says more than the missing sound: $(head -c 600 "$work/stderr")"
  fi
}

if [ -n "$nowm" ]; then
  # Whether the window holds the pointer, which is left over the middle of
  # the picture: there keys reach the window, and the game's cursor covers
  # none of the points looked at.
  held() {
    local sx sy at
    read -r sx sy < <(to_screen 400 300)
    xdotool mousemove 10 10
    sleep 0.1
    at=$(pointer)
    xdotool mousemove "$sx" "$sy"
    sleep 0.2
    [ "$at" != "10 10" ]
  }
  # The whole main menu in the 800 x 600 window at its size: the sky in the
  # picture's top row and the bar of buttons in its bottom-right corner.
  # shellcheck disable=SC2317 # (called through wait_for)
  whole_menu_shown() {
    local sx sy
    shot "$1"
    read -r sx sy < <(to_screen 100 0)
    is_black "$sx" "$sy" && seen="the picture's top row black" && return 1
    read -r sx sy < <(to_screen 790 590)
    seen="no bar of buttons in the picture's bottom-right corner"
    is_bar "$sx" "$sy"
  }
  whole_menu() {
    size_is $FW $FH || fail "$1: the window is not ${FW}x${FH}: $(xwininfo -id "$win" | grep -E 'Width|Height' | tr -s ' \n' ' ')"
    wait_for "$1: the whole main menu in the window, at its size" whole_menu_shown "$1"
  }
  # The main menu's sky and bar of buttons both gone from the picture.
  # shellcheck disable=SC2317 # (called through wait_for)
  left_menu() {
    local x y
    shot 5_load_game
    read -r x y < <(to_screen 100 150)
    is_black "$x" "$y" || return 1
    read -r x y < <(to_screen 790 590)
    is_black "$x" "$y"
  }
  # Alt+Enter, to full screen (held) or to the window (free).
  switch_to() {
    xdotool key alt+Return
    if [ "$1" = held ]; then
      wait_for "Alt+Enter to go to $2, holding the pointer" held
    else
      wait_for "Alt+Enter to go to $2, letting the pointer go" not held
    fi
  }

  start_game --window
  held && fail "--window started holding the pointer"
  whole_menu 1_window
  switch_to held "full screen"
  whole_menu 2_full_screen
  switch_to free "the window"
  whole_menu 3_window_again
  switch_to held "full screen"
  whole_menu 4_full_screen_again
  # A click through the picture: Load Game opens the saved games.
  read -r sx sy < <(to_screen 215 570)
  xdotool mousemove "$sx" "$sy"
  sleep 0.3
  xdotool click 1
  wait_for "a click on Load Game at $sx $sy to leave the main menu" left_menu
  stop_game

  start_game
  held || fail "the game did not start full screen, holding the pointer"
  whole_menu 6_full_screen
  switch_to free "the window"
  whole_menu 7_window
  switch_to held "full screen"
  whole_menu 8_full_screen_again
  stop_game

  check_stderr
  echo "fullscreen_try: passed with no window manager"
  exit 0
fi

# Full screen, the picture between two bars.
scaled_menu_shown() {
  local sx sy
  shot 1_full_screen
  if ! is_black 100 540 || ! is_black $((SW - 100)) 540; then
    seen="no black bars beside the picture"
    return 1
  fi
  read -r sx sy < <(to_screen 100 150)
  seen="no sky at picture point 100 150"
  is_sky "$sx" "$sy"
}
start_game
wait_for "the game to go full screen" full_screen
wait_for "the full screen window to cover the ${SW}x${SH} screen" size_is $SW $SH
read -r px py pw ph < <(picture)
[ "$pw $ph" = "1440 1080" ] || fail "the picture is ${pw}x${ph}, not 1440x1080"
wait_for "the main menu scaled between two black bars" scaled_menu_shown

# A click through the scaled picture: Load Game opens the saved games.
load_list_shown() {
  local sx sy
  shot 2_load_game
  read -r sx sy < <(to_screen 100 150)
  is_black "$sx" "$sy"
}
read -r sx sy < <(to_screen 215 570)
xdotool mousemove "$sx" "$sy"
sleep 0.3
xdotool click 1
wait_for "a click on Load Game at $sx $sy to leave the main menu" load_list_shown

# Alt+Enter: a window of the picture's size, the pointer over the same
# spot of the picture; and back.
read -r sx sy < <(to_screen 600 450)
xdotool mousemove "$sx" "$sy"
sleep 0.3
xdotool key alt+Return
wait_for "Alt+Enter to leave full screen" not full_screen
wait_for "the window to be ${FW}x${FH}" size_is $FW $FH
wait_for "the pointer over picture point 600 450 in the window" pointer_over 600 450 3_window
xdotool key alt+Return
wait_for "Alt+Enter to go back to full screen" full_screen
wait_for "the full screen window to cover the ${SW}x${SH} screen again" size_is $SW $SH
wait_for "the pointer over picture point 600 450 back in full screen" pointer_over 600 450 4_full_screen_again
stop_game

# --window: a window that lets the pointer go.
start_game --window
full_screen && fail "--window started full screen"
wait_for "--window to give an ${FW}x${FH} window" size_is $FW $FH
read -r sx sy < <(to_screen 400 300)
xdotool mousemove "$sx" "$sy"
sleep 0.3
xdotool mousemove 10 10
sleep 0.3
shot 5_window_pointer_away
[ "$(pointer)" = "10 10" ] || fail "the window held the pointer: it is at $(pointer), not 10 10"
stop_game

# The window manager quits while the game runs, which takes the keyboard
# focus away and leaves nobody to give it back. A press in the window gives
# the game its input again: Escape, held on the main menu, ends the game.
# WHERE the pointer is as the manager quits:
#  - away: it then moves into the window, and clicks;
#  - in the window already, where it stays. The manager's quitting gives
#    the window back to the root, which takes it off the screen and puts it
#    back under the pointer, an entry that gives the game its focus. Then
#    another program puts the focus on the root, and no entry comes: only
#    the press can give the game its input back.
pointer_in_window() {
  local x y wx wy ww wh
  read -r x y < <(pointer)
  wx=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print $4}')
  wy=$(xwininfo -id "$win" | awk '/Absolute upper-left Y/ {print $4}')
  ww=$(xwininfo -id "$win" | awk '/Width:/ {print $2}')
  wh=$(xwininfo -id "$win" | awk '/Height:/ {print $2}')
  seen="the pointer at $x $y, the window $ww x $wh at $wx $wy"
  [ "$x" -ge "$wx" ] && [ "$x" -lt $((wx + ww)) ] && [ "$y" -ge "$wy" ] && [ "$y" -lt $((wy + wh)) ]
}
# The keyboard focus is on window ID (decimal or 0x hexadecimal).
focus_on() {
  local at
  at=$(xdotool getwindowfocus -f 2>/dev/null)
  seen="the focus on ${at:-no window}"
  [ "$at" = "$(($1))" ]
}
after_wm_quits() {
  local how=$1 name=$2 where=$3 sx sy rc root
  shift 3
  wm_runs || start_wm
  start_game "$@"
  if [ "$where" = in ]; then
    read -r sx sy < <(to_screen 400 100)
    xdotool mousemove "$sx" "$sy"
    wait_for "the pointer to go into the window ($name)" pointer_in_window
  fi
  case $how in
    exit) "$wm" --exit ;;
    *) kill "-$how" "$wm_pid" ;;
  esac
  # (The shell's line about a killed manager is kept off standard error.)
  {
    wait_for "$wm to quit ($name)" not wm_runs
    wait_for "$wm to end ($name)" gone "$wm_pid"
    wait "$wm_pid"
  } 2>/dev/null
  if [ "$where" = in ]; then
    pointer_in_window || fail "$name: the pointer left the window as $wm quit ($seen)"
    wait_for "the game to take the focus as its window came back under the pointer ($name)" focus_on "$win"
    root=$(xwininfo -root | awk '/Window id:/ {print $4}')
    xdotool windowfocus "$root"
    wait_for "the focus to go to the root ($name)" focus_on "$root"
    pointer_in_window || fail "$name: the pointer left the window as the focus went to the root ($seen)"
  else
    read -r sx sy < <(to_screen 400 100)
    xdotool mousemove "$sx" "$sy"
    sleep 0.3
  fi
  xdotool click 1
  shot "6_$name"
  xdotool keydown Escape
  wait_for "the game to end on Escape, held after $wm quit and a press in the window ($name)" gone "$game_pid"
  xdotool keyup Escape
  wait "$game_pid"
  rc=$?
  [ "$rc" -eq 0 ] || fail "$name: the game exited with $rc"
}
after_wm_quits TERM window_wm_terminated away --window
if [ "$wm" = openbox ]; then
  after_wm_quits exit full_screen_wm_exits away
else
  after_wm_quits TERM full_screen_wm_terminated away
fi
after_wm_quits KILL full_screen_wm_killed away
after_wm_quits TERM window_wm_terminated_pointer_in in --window

check_stderr
echo "fullscreen_try: passed under $wm"
