#!/usr/bin/env bash
# Plays the real program in a real window under a virtual X server of its
# own: it must open its window, show the main menu, quit on Escape with
# status 0, and refuse to run unseen when there is no display at all.
# Skips (status 77, which CTest reports as Skipped, and one line saying why)
# where Xvfb, xdotool, the X tools (xwininfo, xprop, xwd) or python3 are
# missing.
#   tests/window/real_window.sh PROGRAM WORK_DIR
# The try works in a scratch folder under WORK_DIR, laid out afresh.
set -u
for tool in Xvfb xdotool xwininfo xprop xwd python3; do
  command -v "$tool" >/dev/null 2>&1 || { echo "real window test skipped: no $tool"; exit 77; }
done
built=$(readlink -f "${1:?usage: real_window.sh PROGRAM WORK_DIR}")
rm -rf "${2:?usage: real_window.sh PROGRAM WORK_DIR}"
mkdir -p "$2"
TMPDIR=$(readlink -f "$2")
export TMPDIR

readonly FW=800 FH=600
shots=
fail() {
  echo "real window test: FAILED: $*"
  exit 1
}
# shellcheck source=tests/install/window_try_lib.sh
. "$(dirname "$0")/../install/window_try_lib.sh"

# A copy of the program beside a game folder of its own: the build's own
# game folder keeps the player's games and is never touched.
lay_out_game "$built"

# No display: a clear message and a non-zero exit instead of an unseen loop.
out=$(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER= timeout "$WAIT_LIMIT" ./qorv 2>&1)
rc=$?
[ "$rc" -ne 124 ] || fail "without a display the game was still running after $WAIT_LIMIT s"
[ "$rc" -ne 0 ] || fail "without a display the game exited with 0"
echo "$out" | grep -qi "display" || fail "no message about the display: $out"

# A real window: the game maps it and shows the main menu; Escape held down
# then ends it with status 0.
start_x $FW $FH
export SDL_AUDIODRIVER=dummy
# shellcheck disable=SC2119 # (the game gets no arguments)
start_game
# Held, not tapped: the key is down whenever the main menu reads it, even
# if the window takes the focus late.
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ]; }
xdotool windowfocus "$win" 2>/dev/null
wait_for "the game's window to take the keyboard focus" focused
xdotool keydown Escape
wait_for "the game to end on Escape" gone "$game_pid"
xdotool keyup Escape
wait "$game_pid"
rc=$?
[ "$rc" -eq 0 ] || fail "the game exited with $rc"
echo "window test passed"
