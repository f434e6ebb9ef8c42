#!/usr/bin/env bash
# Start to window on screen: the program's launcher against a bare Qt window,
# both as whole processes under one Xvfb, interleaved, after a warm-up.
# Each process ends itself as soon as its first window is exposed and drawn
# (CORV_EXIT_WHEN_SHOWN=1, see src/app/ExitWhenShown.h); the time is the whole
# process, start to exit, taken by this script.
#   bench/startup.sh [build dir, default build/rel] [runs each, default 40]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/rel}
runs=${2:-40}
program=$build/src/app/corvaneth-stats
bare=$build/bench/bare_window
for f in "$program" "$bare"; do
  [[ -x $f ]] || { echo "missing $f: cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release && cmake --build build/rel" >&2; exit 1; }
done

# A settings folder of our own with the game folder set, so no first-run prompt.
home=$(mktemp -d)
cleanup() {
  [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$home"
}
trap cleanup EXIT

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 -u "$fd" display || { echo "Xvfb did not start" >&2; exit 1; }
exec {fd}<&-
export DISPLAY=:$display
export XDG_CONFIG_HOME=$home/config
export QT_QPA_PLATFORM=xcb
export CORV_EXIT_WHEN_SHOWN=1
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

# The game folder already set, so the first-run prompt does not come.
mkdir -p "$home/games" "$home/config/corvaneth-stats"
printf '[HKEY_LOCAL_MACHINE]\nSoftware%%5CCorvaneth%%20Stats\\CV%%20Path\\data=%s\nSoftware%%5CCorvaneth%%20Stats\\CV%%20Path\\type=1\n' \
  "$home/games" >"$home/config/corvaneth-stats/registry.ini"

# Microseconds from start to end of one whole process.
run_once() {
  local t0 t1
  t0=$EPOCHREALTIME
  "$1" >/dev/null 2>&1 || { echo "$1 failed" >&2; exit 1; }
  t1=$EPOCHREALTIME
  echo "$(( (${t1/./} - ${t0/./}) ))"
}

for _ in 1 2 3 4 5; do run_once "$program" >/dev/null; run_once "$bare" >/dev/null; done

# Pairs alternate which of the two goes first, so neither always follows the other.
p=() b=()
for ((i = 0; i < runs; i++)); do
  if ((i % 2)); then
    b+=("$(run_once "$bare")")
    p+=("$(run_once "$program")")
  else
    p+=("$(run_once "$program")")
    b+=("$(run_once "$bare")")
  fi
done

median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
mp=$(median "${p[@]}")
mb=$(median "${b[@]}")
awk -v p="$mp" -v b="$mb" -v n="$runs" 'BEGIN {
  printf "runs each:           %d\n", n
  printf "bare window median:  %.1f ms\n", b / 1000
  printf "launcher median:     %.1f ms\n", p / 1000
  printf "ratio of medians:    %.2f\n", p / b
}'
