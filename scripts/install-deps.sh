#!/usr/bin/env bash
# Installs the Debian packages the game needs, only those missing; with
# --test also those of the tests.
# When another install holds the package manager (an update running in the
# background, a second terminal), this waits for it rather than failing:
# QORV_LOCK_WAIT seconds at most (a whole number; 600 if unset).
# QORV_APT_LOCKS, a list of files parted by ':', names the package
# manager's locks to wait for (apt's lists lock and dpkg's frontend lock if
# unset).
#   scripts/install-deps.sh [--test]
set -euo pipefail
# Building and playing the game.
pkgs=(cmake g++ make pkg-config libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libx11-dev
      fonts-liberation2 timgm6mb-soundfont libpng-dev)
case "${1:-}" in
  "") ;;
  --test)
    # GoogleTest; clang and its libFuzzer for the fuzz targets, and
    # fluidsynth's development files for the one that plays music through
    # the mixer's synthesiser; clang-format for the format check; git for
    # the install test's fresh clone; a virtual X server with a window
    # manager, xdotool, the X tools (xprop, xwininfo in x11-utils, xwd in
    # x11-apps) and python3 for the real window and full-screen tests;
    # desktop-file-validate for the desktop entry.
    pkgs+=(libgtest-dev clang clang-format libclang-rt-14-dev libfluidsynth-dev git xvfb xauth
           xdotool x11-utils x11-apps openbox python3 desktop-file-utils) ;;
  *) echo "usage: scripts/install-deps.sh [--test]" >&2; exit 2 ;;
esac
# How long to wait for another install, in seconds: a whole number, read
# once here (leading zeros do not make it octal).
lock_wait=${QORV_LOCK_WAIT:-600}
if [[ ! $lock_wait =~ ^[0-9]+$ ]]; then
  echo "scripts/install-deps.sh: QORV_LOCK_WAIT is '$lock_wait'; it must be a whole number of seconds" >&2
  exit 2
fi
lock_wait=$((10#$lock_wait))
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# Whether some process holds one of the package manager's locks. apt and
# dpkg take them as fcntl record locks, which flock does not see, so perl
# (perl-base is on every Debian system) asks the kernel with F_GETLK for the
# whole file (start, length, whence SEEK_SET all 0). Only the type is read
# back: it is the first field of struct flock on every Linux. apt-get
# waits for the dpkg lock itself (DPkg::Lock::Timeout), which covers one
# taken just after this look, but not for the lists lock of "apt-get update".
# A lock path that is there but is not a regular file (a named pipe, a
# folder, a device) is no lock of theirs: it is not waited for, and it is
# never opened, since opening a named pipe waits for a writer. The open is
# non-blocking too and its handle checked again, in case the path changed
# in between.
IFS=: read -r -a apt_locks <<<"${QORV_APT_LOCKS:-/var/lib/apt/lists/lock:/var/lib/dpkg/lock-frontend}"
for lock in "${apt_locks[@]}"; do
  if [ -e "$lock" ] && [ ! -f "$lock" ]; then
    echo "scripts/install-deps.sh: $lock is not a regular file; not waiting for it" >&2
  fi
done
lists_locked() {
  $sudo perl -MFcntl -e '
    for my $lock (@ARGV) {
      next unless -f $lock;
      sysopen(my $fh, $lock, O_RDONLY | O_NONBLOCK | O_NOCTTY) or next;
      next unless -f $fh;
      my $query = pack("s s", F_WRLCK, 0) . "\0" x 64;
      fcntl($fh, F_GETLK, $query) or next;
      exit 0 if unpack("s", $query) != F_UNLCK;
    }
    exit 1' "${apt_locks[@]}" 2>/dev/null
}

wait_for_lists() {
  local waited=0
  while lists_locked; do
    if [ "$waited" -eq 0 ]; then
      echo "Another package install is running; waiting for it (up to ${lock_wait}s)..."
    fi
    if [ "$waited" -ge "$lock_wait" ]; then
      echo "The package manager is still busy after ${lock_wait}s; try again later." >&2
      exit 1
    fi
    sleep 2
    waited=$((waited + 2))
  done
}

echo "Installing: ${missing[*]}"
apt_opts=(-o "DPkg::Lock::Timeout=${lock_wait}")
wait_for_lists
$sudo apt-get "${apt_opts[@]}" update -qq
wait_for_lists
DEBIAN_FRONTEND=noninteractive $sudo apt-get "${apt_opts[@]}" install -y -qq "${missing[@]}"
