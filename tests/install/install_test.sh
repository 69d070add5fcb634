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
# history, desktop-file-validate, xvfb-run or xdotool is missing.
# All of it happens in WORK_DIR, emptied first and removed at the end.
#   tests/install/install_test.sh SOURCE_DIR WORK_DIR
set -u
source_dir="$1"
scratch="$2"
readonly SKIPPED=77
for tool in git desktop-file-validate xvfb-run xdotool; do
  command -v "$tool" >/dev/null 2>&1 || { echo "install test skipped: no $tool"; exit $SKIPPED; }
done
git -C "$source_dir" rev-parse --verify -q HEAD >/dev/null ||
  { echo "install test skipped: $source_dir is not a git clone"; exit $SKIPPED; }
rm -rf "$scratch"
mkdir -p "$scratch" || { echo "FAIL: cannot make $scratch"; exit 1; }
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
fail() { echo "FAIL: $*"; exit 1; }

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

# A new game saved from the map, in a window of 1200 x 750: the 800 x 600
# frame is drawn 1000 x 750 from x 100, so frame point (x, y) lies at
# window point (100 + x * 5/4, y * 5/4).
export QORV_GAME="$game" XDG_DATA_HOME="$scratch/xdg" HOME="$home"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  SDL_AUDIODRIVER=no-such-driver "$QORV_GAME" --window 2>/dev/null & pid=$!
  win=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
  [ -n "$win" ] || { kill $pid; echo "no window appeared"; exit 1; }
  timeout 10 xdotool windowsize --sync "$win" 1200 750
  timeout 10 xdotool windowfocus --sync "$win" 2>/dev/null
  at() { xdotool mousemove --window "$win" $((100 + $1 * 5 / 4)) $(($2 * 5 / 4)); sleep 0.4; }
  # Each step waits for what it should bring, up to a limit.
  wait_for() { for _ in $(seq 60); do [ -e "$1" ] && return 0; sleep 0.25; done; return 1; }
  sleep 1
  at 100 570; xdotool click 1; sleep 1       # New game
  xdotool key Return; sleep 1                # the name
  xdotool key Return; sleep 1                # the portrait
  xdotool key Escape; sleep 2                # the story, to the map
  at 682 28; xdotool click 1; sleep 1        # the board of the day closes
  xdotool click 1; sleep 1                   # save and quit
  at 210 340; xdotool click 1                # yes
  wait_for "$XDG_DATA_HOME/qorv/Saves/1.save" || { kill $pid; echo "no save written"; exit 1; }
  sleep 1
  xdotool key Escape                         # quit from the main menu
  timeout 20 tail --pid="$pid" -f /dev/null || { kill $pid; echo "Escape did not end the game"; exit 1; }
  wait $pid
' || fail "the game in a window did not save"
[ -s "$XDG_DATA_HOME/qorv/Saves/1.save" ] || fail "no save in \$XDG_DATA_HOME/qorv/Saves"
[ -z "$(find "$prefix" -name '*.save' -o -name 'Saves')" ] || fail "a save landed under the prefix"
[ ! -e "$home/.local/share/qorv/Saves/1.save" ] || fail "the save went to ~/.local/share"
game_files | diff "$scratch/game-before" - || fail "playing the installed game changed the build's game folder"
echo "install test passed"
