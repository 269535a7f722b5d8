#!/usr/bin/env bash
# Builds Release and prints, from one run, the editor's start-up time and peak memory against a bare Qt window of
# the same size, its open and save times for a large item and one ten times smaller, and the processor time of
# brindlework-check on projects of 10,000 and 1,000 items, each with its goal.
# Usage: scripts/bench.sh [RUNS]   (start-ups per program, 20 by default; the scale figures take 5 runs each)
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-20}"
build=build-bench

scripts/install-deps.sh build bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target brindlework bare_window startup_timer scale_driver checker_scale >/dev/null

scratch="$(pwd)/$build/bench-scratch"
rm -rf "$scratch"
mkdir -p "$scratch/tmp" "$scratch/runtime"
chmod 700 "$scratch/runtime"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to descriptor 3. The black root (-br) lets the
# stopwatch tell a painted window from an unpainted one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { echo "bench: Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"
export QT_QPA_PLATFORM=xcb
# The editor's single-instance lock and channel live here, away from any other editor on this machine.
export TMPDIR="$scratch/tmp"
export XDG_RUNTIME_DIR="$scratch/runtime"

cp -r examples/Quest "$scratch/Quest"

echo "== Brindlework benchmark ($(git log -1 --format=%h 2>/dev/null || echo 'no commit'), Release build in $build)"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), \
$(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo) memory; load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$build/bench/startup_timer" "$runs" 232 16 201 17 \
    -- "$build/app/brindlework" "$scratch/Quest/RubyRing.ITM" \
    -- "$build/bench/bare_window" RubyRing
echo
"$build/bench/scale_driver" "$scratch/scale" 5
echo
"$build/bench/checker_scale" "$scratch/checker" 5
echo
cmake --build --preset bench --target table_scale >/dev/null && "$build/bench/table_scale" "$scratch" 5 && echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
