# shellcheck shell=bash disable=SC2154
# Shared by the real-window tries (fullscreen_try.sh, close_try.sh): a game
# folder of their own, a virtual X server, screenshots and the picture's
# place in the game's window. Sourced; the try sets shots (SHOTS_DIR or
# empty), FW and FH (the frame's size) and defines fail; win is the game's
# window once it shows.

# The try's scratch folder, and the processes it started (in pids): both go
# when it ends.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

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

# A virtual X server of WIDTH x HEIGHT; it picks a free display and names it.
start_x() {
  Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || fail "the virtual X server did not start"
  DISPLAY=":$(head -n 1 "$work/display")"
  export DISPLAY
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
