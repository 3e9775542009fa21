#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# bench/windows-startup.sh BUILD_DIR [RUNS]: times lapforge-gui.exe of a Windows build from
# its start to its first window under Wine, against a minimal Win32 program with one label
# and against the same with the front end's manifest, as medians of RUNS (15) interleaved
# starts, and gives the programs' sizes; then times "Make It!" to the generator's start. A release build
# (-DCMAKE_BUILD_TYPE=Release) is the one to measure: it is stripped.
# It runs in a Wine prefix of its own in BUILD_DIR/bench, with the null display driver as
# the tests have it, and waits for that prefix's wineserver to end. It prints figures; it is
# not a test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?usage: bench/windows-startup.sh BUILD_DIR [RUNS]}" && pwd)"
runs="${2:-15}"

# The first of the commands that exists; a pipe into head could end the search by SIGPIPE.
first_command() {
    for candidate in "$@"; do
        command -v "$candidate" && return
    done
    true
}
wine=$(first_command /usr/lib/wine/wine64 wine64 wine)
wineserver=$(first_command /usr/lib/wine/wineserver64 wineserver64 wineserver)
[ -n "$wine" ] && [ -n "$wineserver" ] || { echo "no Wine: apt-get install wine wine64" >&2; exit 1; }
bench="$build/bench/windows"
for file in "$build/bin/lapforge-gui.exe" "$bench/startup_launcher.exe" "$bench/makeit_latency.exe" \
    "$bench/startup_baseline.exe" "$bench/startup_baseline_manifest.exe"; do
    [ -f "$file" ] || { echo "no $file: build the Windows build first" >&2; exit 1; }
done

export WINEPREFIX="$build/bench/wineprefix" WINEARCH=win64 WINEDEBUG=-all \
    WINEDLLOVERRIDES=mscoree,mshtml=
unset DISPLAY WAYLAND_DISPLAY
trap '"$wineserver" -w' EXIT
if [ ! -f "$WINEPREFIX/user.reg" ]; then
    cmake -DWINE="$wine" -DWINESERVER="$wineserver" -DDPI=96 -P "$root/cmake/setupWinePrefix.cmake"
fi
# Wine sees this machine's folders through drive Z:.
"$wine" "$bench/startup_launcher.exe" "$runs" "Z:$build/bin/lapforge-gui.exe" \
    "Z:$bench/startup_baseline.exe" "Z:$bench/startup_baseline_manifest.exe"
# And "Make It!" in the real main window against CreateProcessW alone, with the stand-in.
"$wine" "$bench/makeit_latency.exe" "Z:$build/bin/lapforge.exe" "$runs"
