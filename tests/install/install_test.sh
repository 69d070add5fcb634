#!/usr/bin/env bash
# Installs the game as its README says, from a fresh clone of the source
# built exactly as scripts/play builds it (the game target alone), into a
# scratch prefix, and plays the installed program: its pictures, music and
# sounds, a valid desktop entry and its icon under the prefix, nothing
# written into the build's game folder; the player's files under
# $XDG_DATA_HOME/qorv, else ~/.local/share/qorv, never under the prefix; no
# sound device is one line, not a page. A game is then saved through the
# real window under a virtual X server, scaled to another size, by clicks
# mapped through the scaling.
# Skips (status 77, which CTest reports as Skipped) where git, the source's
# history, desktop-file-validate, Xvfb, xdotool, the X tools (xwininfo,
# xprop, xwd) or python3 is missing.
# All of it happens in WORK_DIR, emptied first and removed at the end; the
# virtual X server and the programs started there keep their files and home
# in a scratch folder inside it (window_try_lib.sh).
#   tests/install/install_test.sh SOURCE_DIR WORK_DIR
set -u
source_dir="$1"
scratch="$2"
readonly SKIPPED=77
for tool in git desktop-file-validate Xvfb xdotool xwininfo xprop xwd python3; do
  command -v "$tool" >/dev/null 2>&1 || { echo "install test skipped: no $tool"; exit $SKIPPED; }
done
git -C "$source_dir" rev-parse --verify -q HEAD >/dev/null ||
  { echo "install test skipped: $source_dir is not a git clone"; exit $SKIPPED; }
rm -rf "$scratch"
mkdir -p "$scratch" || { echo "FAIL: cannot make $scratch"; exit 1; }
prefix="$scratch/prefix"
fail() { echo "FAIL: $*"; exit 1; }
# The window tries' X server, waits and scratch home, in WORK_DIR; all of
# WORK_DIR goes at the end, also when the test is interrupted.
readonly FW=800 FH=600
shots=
export TMPDIR="$scratch"
# shellcheck source=tests/install/window_try_lib.sh
. "$(dirname "$0")/window_try_lib.sh"
trap 'cleanup; rm -rf "$scratch"' EXIT

# The clone holds the last commit; changes not yet committed are not in it.
[ -z "$(git -C "$source_dir" status --porcelain --untracked-files=no)" ] ||
  echo "note: $source_dir has changes not committed; the clone builds its last commit"
clone="$scratch/qorv clone"
git clone -q "$source_dir" "$clone" || fail "git clone failed"
grep -E '^cmake ' "$clone/scripts/play" >"$scratch/play-build"
[ "$(wc -l <"$scratch/play-build")" -ge 2 ] || fail "no build lines in scripts/play"
(cd "$clone" && bash -euo pipefail "$scratch/play-build") >"$scratch/build.log" 2>&1 ||
  { tail -n 40 "$scratch/build.log"; fail "the build of scripts/play failed"; }
build="$clone/build"
[ -x "$build/qorv" ] || fail "scripts/play's build made no program"
# What the install must leave as it is: the build's game folder.
game_files() { (cd "$build/game" && find . -print0 | sort -z | xargs -0 ls -ld --time-style=+%s.%N); }
game_files >"$scratch/game-before"

cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log"; fail "cmake --install failed"; }
game_files | diff "$scratch/game-before" - || fail "the install changed the build's game folder"
game="$prefix/bin/qorv"
[ -x "$game" ] || fail "no program in bin/"
[ -f "$prefix/share/qorv/Art/Cursor2.bmp" ] || fail "no pictures in share/qorv/Art"
[ -f "$prefix/share/qorv/Data/Music.mid" ] || fail "no music in share/qorv/Data"
[ -f "$prefix/share/qorv/Data/Key.wav" ] || fail "no sounds in share/qorv/Data"
[ ! -e "$prefix/share/qorv/Saves" ] || fail "a Saves folder was installed"
[ ! -e "$prefix/share/qorv/Data/data1.txt" ] || fail "a settings file was installed"
desktop="$prefix/share/applications/qorv.desktop"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
grep -qx "Exec=qorv" "$desktop" || fail "desktop entry without Exec=qorv"
grep -qx "Icon=qorv" "$desktop" || fail "desktop entry without Icon=qorv"
icon="$prefix/share/icons/hicolor/256x256/apps/qorv.png"
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "no PNG icon"

# Unseen, without a sound device, with only HOME set: the program keeps
# running (the timeout ends it) and makes its folder in ~/.local/share.
home="$scratch/home"
mkdir -p "$home"
env -u XDG_DATA_HOME HOME="$home" SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=no-such-driver \
  timeout 4 "$game" >"$scratch/out" 2>"$scratch/err"
rc=$?
[ "$rc" -eq 124 ] || { cat "$scratch/err"; fail "the installed game stopped with $rc"; }
[ "$(cat "$scratch/err")" = "qorv: no sound device: playing without sound" ] ||
  { cat "$scratch/err"; fail "standard error is not the one line about sound"; }
[ -d "$home/.local/share/qorv/Saves" ] || fail "no ~/.local/share/qorv/Saves"

# A new game saved from the map, in a window of 1200 x 750 (no window
# manager): the 800 x 600 frame is drawn 1000 x 750 from x 100, so frame
# point (x, y) lies at window point (100 + x * 5/4, y * 5/4).
export XDG_DATA_HOME="$scratch/xdg" HOME="$home"
start_x 1280 800
SDL_AUDIODRIVER=no-such-driver "$game" --window 2>>"$work/stderr" &
game_pid=$!
pids+=("$game_pid")
wait_for "the game's window" window_shown
# In the screen's top-left corner, wholly on the screen (it shows in the
# middle, and would reach past the bottom edge once larger).
xdotool windowmove "$win" 0 0
xdotool windowsize "$win" 1200 750
sized() {
  seen=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h "+" x "+" y}')
  [ "$seen" = 1200x750+0+0 ]
}
wait_for "the game's window to be 1200 x 750 at the screen's corner" sized
xdotool windowfocus "$win" 2>/dev/null
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ]; }
wait_for "the game's window to have the focus" focused
wait_for "the main menu in the game's window" menu_shown
at() { xdotool mousemove --window "$win" $((100 + $1 * 5 / 4)) $(($2 * 5 / 4)); sleep 0.4; }
# The pixel at frame point x y is black (below 30 in all).
black_at() {
  local sx sy r g b
  read -r sx sy < <(to_screen "$1" "$2")
  read -r r g b < <(pixel "$sx" "$sy")
  [ $((r + g + b)) -lt 30 ]
}
menu_gone() { shot name_entry && not menu_shown; }
map_shown() { shot map && not black_at 100 150 && not black_at 40 300; }
# The save-and-quit question: its picture on black, the map gone.
question_shown() { shot question && black_at 40 300 && black_at 20 20 && black_at 780 580 && not black_at 400 200; }
saved() { [ -e "$XDG_DATA_HOME/qorv/Saves/1.save" ]; }
at 100 570; xdotool click 1                # New game
wait_for "New Game to leave the main menu" menu_gone
# The name and the portrait show no mark of their own to wait for: each
# key is given a second to be taken, and the map, which they lead to, is
# waited for.
sleep 1
xdotool key Return; sleep 1                # the name
xdotool key Return; sleep 1                # the portrait
xdotool key Escape                         # the story, to the map
wait_for "the name, the portrait and the story to lead to the map" map_shown
sleep 1
at 682 28; xdotool click 1                 # the board of the day closes
sleep 1
xdotool click 1                            # save and quit
wait_for "the bar's Quit to ask the save-and-quit question" question_shown
at 210 340; xdotool click 1                # yes
wait_for "Yes to write the save in \$XDG_DATA_HOME/qorv/Saves/1.save" saved
wait_for "Yes to take the game back to the main menu" menu_shown
xdotool key Escape                         # quit from the main menu
wait_for "Escape to end the game on the main menu" gone "$game_pid"
wait "$game_pid"
rc=$?
[ "$rc" -eq 0 ] || fail "the game in a window ended with status $rc: $(head -c 600 "$work/stderr")"
[ -s "$XDG_DATA_HOME/qorv/Saves/1.save" ] || fail "no save in \$XDG_DATA_HOME/qorv/Saves"
[ -z "$(find "$prefix" -name '*.save' -o -name 'Saves')" ] || fail "a save landed under the prefix"
[ ! -e "$home/.local/share/qorv/Saves/1.save" ] || fail "the save went to ~/.local/share"
game_files | diff "$scratch/game-before" - || fail "playing the installed game changed the build's game folder"
echo "install test passed"
