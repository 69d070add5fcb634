#!/usr/bin/env bash
# Plays the real program in a real window under a virtual X server: it must
# open its window, keep running, quit on Escape with status 0, and refuse to
# run unseen when there is no display at all.
# Skips (status 77, which CTest reports as Skipped) where xvfb-run or
# xdotool is missing.
#   tests/window/real_window.sh PROGRAM WORK_DIR
set -u
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null 2>&1 || { echo "real window test skipped: no $tool"; exit 77; }
done
built=$(readlink -f "$1")
work="$2"

# In WORK_DIR, laid out afresh: a copy of the program beside a game folder
# of its own, the built pictures and sounds linked, settings as the build
# writes them, no saves. The build's own game folder keeps the player's games
# and is never touched.
rm -rf "$work"
mkdir -p "$work/game/Saves" "$work/game/Data"
cp "$built" "$work/qorv"
game="$work/qorv"
ln -s "$(dirname "$built")/game/Art" "$work/game/Art"
for f in "$(dirname "$built")"/game/Data/*; do
  [ "$(basename "$f")" = data1.txt ] || ln -s "$f" "$work/game/Data/"
done
printf 0 >"$work/game/Data/data1.txt"

# No display: a clear message and a non-zero exit instead of an unseen loop.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER= timeout 20 "$game" 2>&1)
rc=$?
if [ "$rc" -eq 0 ] || [ "$rc" -eq 124 ]; then
  echo "without a display the game exited with $rc"; exit 1
fi
echo "$out" | grep -qi "display" || { echo "no message about the display: $out"; exit 1; }

# A real window: the game maps it and keeps running; Escape held down then
# ends it with status 0. Each wait has a limit, none a fixed length.
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  SDL_AUDIODRIVER=dummy "$0" & pid=$!
  win=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
  if [ -z "$win" ]; then
    kill $pid 2>/dev/null
    wait $pid
    echo "no window appeared (game status $?)"; exit 1
  fi
  if ! kill -0 $pid 2>/dev/null; then echo "the game did not stay up"; exit 1; fi
  # Held, not tapped: the key is down whenever the main menu reads it, even
  # if the window takes the focus late.
  timeout 10 xdotool windowfocus --sync "$win" 2>/dev/null
  xdotool keydown Escape
  timeout 30 tail --pid="$pid" -f /dev/null
  gone=$?
  xdotool keyup Escape
  if [ $gone -ne 0 ]; then kill $pid; echo "Escape did not end the game"; exit 1; fi
  wait $pid
  rc=$?
  [ $rc -eq 0 ] || { echo "the game exited with $rc"; exit 1; }
  echo "window test passed"
' "$game"
