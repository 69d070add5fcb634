#!/usr/bin/env bash
# scripts/install-deps.sh waits for another package install: a process holds
# an fcntl record lock, as apt and dpkg take them, on a stand-in lock file.
# While it is held the script says it waits and runs no apt-get; released
# within the wait, the script updates and installs; held past the wait, the
# script ends non-zero with a line of its own and no apt-get has run. A
# named pipe as a lock path and a wait that is no whole number hang nothing.
# Stand-ins for dpkg-query, apt-get and sudo come first on PATH, so the real
# package manager is never run.
# Skips (status 77, which CTest reports as Skipped) where perl is missing.
#   tests/install/lock_wait_test.sh SOURCE_DIR WORK_DIR
set -u
script="$1/scripts/install-deps.sh"
work="$2"
readonly SKIPPED=77
command -v perl >/dev/null 2>&1 || { echo "lock wait test skipped: no perl"; exit $SKIPPED; }
rm -rf "$work"
mkdir -p "$work/bin"
fail() { echo "FAIL: $*"; [ -f "$work/out" ] && cat "$work/out"; exit 1; }

# Every package is installed but libpng-dev; apt-get writes down its calls.
cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/sh
for p; do :; done
[ "$p" = libpng-dev ] || printf 'install ok installed'
EOF
cat >"$work/bin/apt-get" <<EOF
#!/bin/sh
echo "\$*" >>"$work/apt-get.log"
EOF
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin"/*
lists="$work/lists.lock"
frontend="$work/lock-frontend"
touch "$lists" "$frontend"
export PATH="$work/bin:$PATH" QORV_APT_LOCKS="$lists:$work/no-such-lock:$frontend"

holder=""
run=""
stop_all() { local pid; for pid in $holder $run; do kill "$pid" 2>/dev/null; done; }
trap stop_all EXIT
# Holds an fcntl write lock on the whole file (start, length and whence all
# 0) until killed.
hold() {
  rm -f "$work/held"
  perl -MFcntl -e '
    open(my $fh, ">>", $ARGV[0]) or die "$ARGV[0]: $!";
    my $lock = pack("s s", F_WRLCK, 0) . "\0" x 64;
    fcntl($fh, F_SETLK, $lock) or die "lock $ARGV[0]: $!";
    open(my $held, ">", $ARGV[1]) or die; close $held;
    sleep 60' "$1" "$work/held" &
  holder=$!
  for _ in $(seq 50); do [ -e "$work/held" ] && return; sleep 0.1; done
  fail "could not lock $1"
}
release() { kill "$holder"; wait "$holder" 2>/dev/null; holder=""; }
waiting_line="Another package install is running; waiting for it"

# Released within the wait: the script waits, then updates and installs.
hold "$lists"
QORV_LOCK_WAIT=20 timeout 30 bash "$script" >"$work/out" 2>&1 &
run=$!
for _ in $(seq 50); do grep -q "$waiting_line" "$work/out" && break; sleep 0.1; done
grep -q "$waiting_line (up to 20s)" "$work/out" || fail "no line saying it waits for the lists lock"
sleep 2.5
[ ! -e "$work/apt-get.log" ] || fail "apt-get ran while the lists lock was held"
release
wait "$run" || fail "the script failed after the lock was released"
run=""
sed -n 1p "$work/apt-get.log" | grep -qw update || fail "apt-get update did not come first"
sed -n 2p "$work/apt-get.log" | grep -q "install .*libpng-dev" || fail "no install of libpng-dev"

# Held past the wait: the script ends with its own line, apt-get never ran.
rm -f "$work/apt-get.log"
hold "$frontend"
QORV_LOCK_WAIT=2 timeout 30 bash "$script" >"$work/out" 2>&1 && fail "the script succeeded while locked"
release
grep -q "$waiting_line (up to 2s)" "$work/out" || fail "no line saying it waits for the frontend lock"
grep -q "still busy after 2s" "$work/out" || fail "no line saying the wait ran out"
[ ! -e "$work/apt-get.log" ] || fail "apt-get ran while the frontend lock was held"

# A lock path that is a named pipe is never opened to wait on (that open
# would wait for a writer for ever): the script says so and installs.
rm -f "$work/apt-get.log" "$lists"
mkfifo "$lists" || fail "cannot make a named pipe"
QORV_LOCK_WAIT=20 timeout 10 bash "$script" >"$work/out" 2>&1 ||
  fail "the script did not get past a named pipe as its lock"
grep -q "$lists is not a regular file" "$work/out" || fail "no line about the named pipe"
sed -n 2p "$work/apt-get.log" | grep -q "install .*libpng-dev" ||
  fail "no install past the named pipe"
rm -f "$lists"
touch "$lists"

# A wait that is not a whole number of seconds: one line naming it, a
# non-zero exit at once, no apt-get.
rm -f "$work/apt-get.log"
for bad in abc 1.5; do
  QORV_LOCK_WAIT=$bad timeout 10 bash "$script" >"$work/out" 2>&1
  rc=$?
  [ "$rc" -ne 0 ] && [ "$rc" -ne 124 ] || fail "QORV_LOCK_WAIT=$bad: the script ended with $rc"
  [ "$(wc -l <"$work/out")" -eq 1 ] && grep -q "QORV_LOCK_WAIT is '$bad'" "$work/out" ||
    fail "QORV_LOCK_WAIT=$bad: not one line naming it"
  [ ! -e "$work/apt-get.log" ] || fail "QORV_LOCK_WAIT=$bad: apt-get ran"
done
echo "lock wait test passed"
