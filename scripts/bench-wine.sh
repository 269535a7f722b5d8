#!/usr/bin/env bash
# The start-up of the Windows programs under Wine, for scripts/bench.sh: the editor from the Windows zip, the bare
# Qt window run from the zip's folder, and a bare window of the system's own classes (the floor), started in turn
# on bench.sh's display, each set against the floor; then where the time of a start goes, step by step, in the bare
# Qt window and in the item sheet (bench/StartSteps.cpp), as the median of five starts of each.
# Usage: scripts/bench-wine.sh SCRATCH RUNS   (DISPLAY set; SCRATCH holds the sample project's copy in Quest/)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-session.sh
scratch=$1
runs=$2
build="$PWD/build-windows"

scripts/install-deps.sh build windows >/dev/null
qt=$(scripts/qt-windows.sh)
cmake --preset windows-host >/dev/null
cmake --build --preset windows-host --target sheet_artwork_baker >/dev/null
scripts/windows-configure.sh "$qt" "$wine" -DBRINDLE_BENCHMARKS=ON
cmake --build --preset windows --target brindlework brindlework-check brindlework-table bare_window \
    bare_win32_window start_steps >/dev/null
zip=$(scripts/package-windows.sh "$build" "$qt")
rm -rf "$scratch/zip" && mkdir -p "$scratch/zip"
unzip -q "$zip" -d "$scratch/zip"
folder="$scratch/zip/$(basename "$zip" .zip)"
# The Qt programs of the measurement load the zip's Qt, as the editor does.
for program in bare_window start_steps; do
    x86_64-w64-mingw32-strip --strip-unneeded -o "$folder/$program.exe" "$build/bench/$program.exe"
done

trap wine_stop EXIT
wine_start "$scratch/wine"
wine_keep_server
item=$(wine_path "$scratch/Quest/RubyRing.ITM")
build-bench/bench/startup_timer "$runs" 232 16 201 17 \
    -- "$wine" "$folder/brindlework.exe" "$item" \
    -- "$wine" "$folder/bare_window.exe" RubyRing \
    -- "$wine" "$build/bench/bare_win32_window.exe" RubyRing

# Each step's end, in milliseconds since the process was created: the median of five starts.
steps() {
    for _ in 1 2 3 4 5; do
        timeout 60 "$wine" "$folder/start_steps.exe" "$@" 2>/dev/null
    done | awk '{
        step = $0; sub(/^ *[0-9.]+ ms +[-+][0-9.]+  /, "", step)
        if (!(step in count)) order[++steps] = step
        at[step, ++count[step]] = $1
    }
    END {
        for (i = 1; i <= steps; ++i) {
            step = order[i]; n = count[step]
            for (j = 1; j <= n; ++j) sorted[j] = at[step, j]
            for (j = 2; j <= n; ++j) for (k = j; k > 1 && sorted[k - 1] > sorted[k]; --k) {
                swap = sorted[k]; sorted[k] = sorted[k - 1]; sorted[k - 1] = swap }
            median = sorted[int((n + 1) / 2)]
            printf "  %8.1f ms  %+7.1f  %s\n", median, median - previous, step
            previous = median
        }
    }'
}
echo "start-up steps under Wine, bare Qt window (median of 5 starts; milliseconds since the process was created)"
steps bare RubyRing
echo "start-up steps under Wine, item sheet"
steps sheet "$item"
