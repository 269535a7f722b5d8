#!/usr/bin/env bash
# Builds Release and prints, from one run, the editor's start-up time and peak memory against a bare Qt window of
# the same size (and, where Wine is installed, the Windows zip's start-up against a bare Win32 window), its open
# and save times for a large item and one ten times smaller, and the processor time of brindlework-check on
# projects of 10,000 and 1,000 items, each with its goal.
# Usage: scripts/bench.sh [RUNS]   (start-ups per program, 20 by default; the scale figures take 5 runs each)
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-20}"
build=build-bench

scripts/install-deps.sh build bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target brindlework bare_window startup_timer scale_driver description_driver \
    checker_scale ini_benchmark table_scale >/dev/null

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

# The store's load, five reads, five writes and save of a 100,000-line server data file against reading the same
# bytes and writing them crash-safe, medians of five repetitions of Google Benchmark's runs.
store_ratio() {
    local medians
    medians=$(TMPDIR="$scratch/tmp" "$build/bench/ini_benchmark" \
        --benchmark_filter='^(StoreLoadEditSave|PlainReadWrite)/100000$' --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null | grep '_median"')
    local store plain
    store=$(echo "$medians" | awk -F, '/StoreLoadEditSave/ {print $3}')
    plain=$(echo "$medians" | awk -F, '/PlainReadWrite/ {print $3}')
    echo "store: a 100,000-line server data file loaded, five keys read and written, saved; wall time, median of 5 repetitions"
    awk -v s="$store" -v p="$plain" 'BEGIN {
        printf "  store %8.2f ms   plain read + crash-safe write %8.2f ms\n", s / 1e3, p / 1e3
        printf "  ratio %.2f x   goal: within 1.5 x: %s\n", s / p, (s / p <= 1.5 ? "met" : "NOT MET") }'
}

echo "== Brindlework benchmark ($(git log -1 --format=%h 2>/dev/null || echo 'no commit'), Release build in $build)"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), \
$(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo) memory; load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$build/bench/startup_timer" "$runs" 232 16 201 17 \
    -- "$build/app/brindlework" "$scratch/Quest/RubyRing.ITM" \
    -- "$build/bench/bare_window" RubyRing
echo
# Where Wine is installed, the Windows zip's editor too, against the least a Windows program does to show a window.
if [ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null; then
    scripts/bench-wine.sh "$scratch" "$runs"
    echo
fi
"$build/bench/scale_driver" "$scratch/scale" 5
echo
echo "description: a huge description of lines of some twenty bytes in the real window, each size in a process of its own"
"$build/bench/description_driver" "$scratch/description" 5 3
"$build/bench/description_driver" "$scratch/description" 50 1
echo
store_ratio
echo
"$build/bench/checker_scale" "$scratch/checker" 5
echo
"$build/bench/table_scale" "$scratch" 5 && echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
