# shellcheck shell=bash disable=SC2154
# Shared by the real-window tries (fullscreen_try.sh, close_try.sh and
# tests/window/real_window.sh): a scratch folder that is also the home of
# the programs they start, a game folder of their own, a virtual X server
# that is surely theirs, the window manager, the game's start, waits,
# screenshots and the picture's place in the game's window. Sourced; the try
# defines fail and sets FW and FH (the frame's size) and shots (SHOTS_DIR or
# empty); win is the game's window once it shows.

# Every wait ends as soon as what it waits for holds, and gives up after
# WAIT_LIMIT seconds: time enough on a machine whose every core is busy.
readonly WAIT_LIMIT=60
# wait_for WHAT COMMAND [ARGUMENT...]: runs COMMAND until it succeeds, and
# fails the try, saying it waited for WHAT, when it has not by the limit.
# COMMAND may leave in seen what it saw last, for that message.
wait_for() {
  local what=$1 deadline=$((SECONDS + WAIT_LIMIT))
  shift
  seen=
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "waited ${WAIT_LIMIT} s in vain for $what${seen:+ (last seen: $seen)}"
    sleep 0.1
  done
}
not() { ! "$@"; }
# Whether the process PID has ended (the shell reaps its children as they
# end).
gone() { ! kill -0 "$1" 2>/dev/null; }

# The try's scratch folder, and the processes it started (in pids): both go
# when it ends, also when it is interrupted or told to end.
work=$(mktemp -d)
pids=()
cleanup() {
  local pid deadline=$((SECONDS + WAIT_LIMIT))
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do
    while ! gone "$pid" && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
    gone "$pid" || kill -KILL "$pid" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The home of everything the try starts, in the scratch folder: the window
# manager, the game and the libraries it loads (sound, graphics) keep their
# settings, caches and sockets there, never in the user's home.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
export XDG_DATA_HOME="$work/home/.local/share" XDG_STATE_HOME="$work/home/.local/state"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# A copy of the program GAME in $work beside a game folder of its own: the
# built pictures, music and sounds, settings as the build writes them, no
# saves. The build's game folder keeps the player's games and options and
# is never touched.
lay_out_game() {
  mkdir -p "$work/game/Saves" "$work/game/Data"
  cp "$1" "$work/qorv"
  ln -s "$(dirname "$1")/game/Art" "$work/game/Art"
  local f
  for f in "$(dirname "$1")"/game/Data/*; do
    [ "$(basename "$f")" = data1.txt ] || ln -s "$f" "$work/game/Data/"
  done
  printf 0 >"$work/game/Data/data1.txt"
}

# The virtual X server. Other servers may come and go beside the try's, and
# not all of them leave a lock file in our /tmp (one started with
# -displayfd takes none; one with a /tmp of its own leaves it there). So a
# display is taken as free only when no lock, no socket file and no
# listening socket names it, and the server started there counts as the
# try's only when it holds the display's lock and, answering there, lets in
# a client with the try's secret cookie and no client without it. Else the
# try starts its server again on the next display. The server does not
# reset when its last client leaves: a client that came during the reset
# would be turned away.
readonly X_ATTEMPTS=20
# Whether display N is taken, or was and is not cleaned up: also when
# someone listens on its TCP port, where a client turns when the display's
# socket fails it.
display_taken() {
  [ -e "/tmp/.X$1-lock" ] || [ -e "/tmp/.X11-unix/X$1" ] ||
    grep -q -E "[ @]/tmp/\.X11-unix/X$1\$" /proc/net/unix 2>/dev/null ||
    cat /proc/net/tcp /proc/net/tcp6 2>/dev/null | awk -v port="$(printf ':%04X' $((6000 + $1)))" '
      $4 == "0A" && substr($2, length($2) - 4) == port { found = 1 }
      END { exit !found }'
}
# A cookie file for display N with a new secret cookie: the server lets in
# only the clients that show it.
write_cookie() {
  python3 - "$work/xauth" "$1" <<'PY'
import os, struct, sys
def counted(b):
    return struct.pack('>H', len(b)) + b
# Any address (family 0xffff), display N, a random MIT-MAGIC-COOKIE-1.
open(sys.argv[1], 'wb').write(struct.pack('>H', 0xffff) + counted(b'') + counted(sys.argv[2].encode())
                              + counted(b'MIT-MAGIC-COOKIE-1') + counted(os.urandom(16)))
PY
}
# How the server on display N answers a client with the cookie file FILE:
# "in" (lets it in), "out" (turns it away) or "none" (no server answers).
x_answer() {
  local said
  if said=$(XAUTHORITY=$2 xprop -display ":$1" -root WM_NAME 2>&1); then
    echo in
  elif grep -q -i -e authoriz -e "invalid mit" -e "no protocol" <<<"$said"; then
    echo out
  else
    echo none
  fi
}
# The server PID started on display N has ended, or someone answers there.
x_settled() { gone "$2" || [ "$(x_answer "$1" "$work/xauth")" != none ]; }
# The server answering on display N is ours, PID.
x_ours() {
  ! gone "$2" && [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock")" = "$2" ] &&
    [ "$(x_answer "$1" "$work/xauth")" = in ] && [ "$(x_answer "$1" /dev/null)" = out ]
}
# Starts a virtual X server of WIDTH x HEIGHT of the try's own, and points
# DISPLAY and XAUTHORITY at it.
start_x() {
  local n=0 xpid
  for _ in $(seq "$X_ATTEMPTS"); do
    while display_taken "$n"; do n=$((n + 1)); done
    write_cookie "$n"
    Xvfb ":$n" -auth "$work/xauth" -noreset -nolisten tcp -screen 0 "$1x$2x24" 2>>"$work/xvfb.log" &
    xpid=$!
    pids+=("$xpid")
    wait_for "the virtual X server on :$n to answer, or to end" x_settled "$n" "$xpid"
    if x_ours "$n" "$xpid"; then
      DISPLAY=":$n" XAUTHORITY="$work/xauth" x_pid=$xpid
      export DISPLAY XAUTHORITY
      return 0
    fi
    kill "$xpid" 2>/dev/null
    echo "(the X server on :$n is not the try's own: starting again on the next display)"
    n=$((n + 1))
  done
  fail "no display of its own for the virtual X server in $X_ATTEMPTS tries: $(tail -n 5 "$work/xvfb.log")"
}

# How the try's X server fares, for a failure's message.
x_state() {
  local lock
  lock=$(tr -d ' \n' 2>/dev/null <"/tmp/.X${DISPLAY#:}-lock")
  if gone "$x_pid"; then
    printf 'the X server on %s has ended' "$DISPLAY"
  else
    printf 'the X server on %s runs, lock %s, answers %s' "$DISPLAY" \
      "$([ "$lock" = "$x_pid" ] && echo ours || echo "${lock:-gone}")" "$(x_answer "${DISPLAY#:}" "$XAUTHORITY")"
  fi
  printf '; its log: %s' "$(tr -s '\n' ' ' <"$work/xvfb.log" | tail -c 300)"
}

# The window manager $wm, its pid in wm_pid. Whether one runs: the root
# names the manager's window, which is there while it runs (the root's name
# outlives a manager killed).
wm_runs() {
  local id
  id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ {print $NF}')
  [ -n "$id" ] && xprop -id "$id" _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1
}
# Started: it runs and has set the desktop's work area, among the last
# things it does as it starts. A window mapped before that may never be
# shown (seen with openbox on a busy machine: its name on the root comes
# first).
wm_started() {
  gone "$wm_pid" && fail "$wm ended as it started: $(tail -n 3 "$work/wm.log") ($(x_state))"
  wm_runs && xprop -root _NET_WORKAREA 2>/dev/null | grep -q =
}
start_wm() {
  # (a manager that ran before left its work area on the root)
  xprop -root -remove _NET_WORKAREA 2>/dev/null
  "$wm" >>"$work/wm.log" 2>&1 &
  wm_pid=$!
  pids+=("$wm_pid")
  wait_for "$wm to start" wm_started
}

# The game, started in $work with ARGUMENTS; its pid in game_pid, its
# window in win, its standard error in $work/stderr. start_game waits for
# its window, then for the main menu in it.
window_shown() {
  gone "$game_pid" && fail "the game ended before its window showed: $(head -c 600 "$work/stderr") ($(x_state))"
  win=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1)
  [ -n "$win" ]
}
# The main menu: the sky in the picture's upper half, the bar of buttons in
# its bottom-right corner.
menu_shown() {
  local x y
  shot "${1:-main_menu}"
  read -r x y < <(to_screen 100 150)
  is_sky "$x" "$y" || return 1
  read -r x y < <(to_screen 790 590)
  is_bar "$x" "$y"
}
start_game() {
  (cd "$work" && exec ./qorv "$@" 2>>"$work/stderr") &
  game_pid=$!
  pids+=("$game_pid")
  wait_for "the game's window" window_shown
  wait_for "the main menu in the game's window" menu_shown
}
# Ends the game with SIGTERM.
stop_game() {
  kill "$game_pid"
  wait_for "the game to end on SIGTERM" gone "$game_pid"
  wait "$game_pid" 2>/dev/null
}

# A screenshot (also kept as SHOTS_DIR/NAME.png when asked for), and the
# pixel colour "r g b" at screen point x y in it.
shot() {
  xwd -root -silent >"$work/screen.xwd" || fail "no screenshot"
  if [ -n "$shots" ]; then
    mkdir -p "$shots"
    python3 - "$work/screen.xwd" "$shots/$1.png" <<'PY'
import struct, sys, zlib
d = open(sys.argv[1], 'rb').read()
f = struct.unpack('>25I', d[:100])
w, h, bpp, bpl, ncol = f[4], f[5], f[11] // 8, f[12], f[19]
off = f[0] + ncol * 12
rows = bytearray()
for y in range(h):
    r = d[off + y * bpl:off + y * bpl + w * bpp]
    rows += b'\0'
    for i in range(w):
        v = int.from_bytes(r[i * bpp:i * bpp + bpp], 'little' if f[7] == 0 else 'big')
        rows += bytes(((v >> 16) & 255, (v >> 8) & 255, v & 255))
def chunk(t, b):
    return struct.pack('>I', len(b)) + t + b + struct.pack('>I', zlib.crc32(t + b))
open(sys.argv[2], 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
                              + chunk(b'IDAT', zlib.compress(bytes(rows))) + chunk(b'IEND', b''))
PY
  fi
}
pixel() {
  python3 - "$work/screen.xwd" "$1" "$2" <<'PY'
import struct, sys
d = open(sys.argv[1], 'rb').read()
f = struct.unpack('>25I', d[:100])
bpp, bpl, ncol = f[11] // 8, f[12], f[19]
x, y = int(sys.argv[2]), int(sys.argv[3])
at = f[0] + ncol * 12 + y * bpl + x * bpp
v = int.from_bytes(d[at:at + bpp], 'little' if f[7] == 0 else 'big')
print((v >> 16) & 255, (v >> 8) & 255, v & 255)
PY
}
# Colours at screen point x y of the last screenshot: black, the main
# menu's sky, the dark brown of its bar of buttons.
is_black() { read -r r g b < <(pixel "$1" "$2"); [ $((r + g + b)) -lt 30 ]; }
is_sky() { read -r r g b < <(pixel "$1" "$2"); [ "$b" -gt 100 ] && [ "$b" -gt "$r" ] && [ "$b" -gt "$g" ]; }
is_bar() {
  read -r r g b < <(pixel "$1" "$2")
  [ "$r" -gt "$g" ] && [ "$g" -gt "$b" ] && [ "$r" -lt 100 ] && [ $((r - b)) -ge 20 ]
}

# Where the picture lies in the game's window, as "x y width height" on the
# screen: scaled as large as it fits, aspect kept, centred.
picture() {
  local wx wy ww wh
  wx=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print $4}')
  wy=$(xwininfo -id "$win" | awk '/Absolute upper-left Y/ {print $4}')
  ww=$(xwininfo -id "$win" | awk '/Width:/ {print $2}')
  wh=$(xwininfo -id "$win" | awk '/Height:/ {print $2}')
  local w=$ww h=$((ww * FH / FW))
  if [ "$h" -gt "$wh" ]; then h=$wh; w=$((wh * FW / FH)); fi
  echo $((wx + (ww - w) / 2)) $((wy + (wh - h) / 2)) "$w" "$h"
}
# The screen point over picture point fx fy, and back.
to_screen() {
  local px py pw ph
  read -r px py pw ph < <(picture)
  echo $((px + (2 * $1 + 1) * pw / (2 * FW))) $((py + (2 * $2 + 1) * ph / (2 * FH)))
}
to_picture() {
  local px py pw ph
  read -r px py pw ph < <(picture)
  echo $((($1 - px) * FW / pw)) $((($2 - py) * FH / ph))
}
