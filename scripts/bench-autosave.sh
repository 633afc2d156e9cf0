#!/usr/bin/env bash
# Benchmark, not a test: prints figures. For each screen size, the time from a
# press on "Capture" (with "Auto save" ticked and the folder chosen) to the
# auto-saved JPEG complete on disk, beside two other ways of turning the same
# X screen into a JPEG at quality 90 in the same run:
#   import -window root -quality 90 x.jpg
#   xwd -root | (XWD to PPM by convert) | cjpeg -quality 90 -dct float -baseline
# cjpeg reads no XWD, so the window dump passes through convert on its way.
#
#   scripts/bench-autosave.sh            sizes 1280x1024 1920x1080 3840x2160
#   RUNS=20 SIZES="1280x1024" scripts/bench-autosave.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${RUNS:-10}
sizes=${SIZES:-"1280x1024 1920x1080 3840x2160"}
out=$root/build/bench-autosave

. "$root/scripts/wine-env.sh"
wine_env_install_trap

bash "$root/scripts/build.sh" >/dev/null
mkdir -p "$out"
i686-w64-mingw32-g++-posix -std=c++17 -O2 -static -I"$root/tests/e2e" -I"$root/src" \
    "$root/bench/autosave_bench.cpp" "$root"/tests/e2e/driver/*.cpp \
    -o "$out/autosave_bench.exe" -lgdi32 -luser32 -lcomctl32

now_ms() { date +%s%N | awk '{ printf "%.1f", $1 / 1e6 }'; }

# Runs "$@" $runs times and prints "median_ms=M min_ms=M max_ms=M".
time_runs() {
    local times=() i start end
    for ((i = 0; i < runs; i++)); do
        start=$(now_ms)
        "$@"
        end=$(now_ms)
        times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }')")
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '
        { t[NR] = $1 }
        END { printf "median_ms=%.1f min_ms=%.1f max_ms=%.1f", t[int(NR / 2) + 1], t[1], t[NR] }'
}

shot_import() { import -window root -quality 90 "$out/import.jpg"; }
shot_xwd() {
    xwd -root -silent | convert xwd:- -depth 8 ppm:- |
        cjpeg -quality 90 -dct float -baseline > "$out/xwd.jpg"
}

echo "runs per figure: $runs"
for size in $sizes; do
    wine_env_start_sized_desktop "$size" "$out/prefix"

    shots=$out/shots-$size
    rm -rf "$shots"
    echo "== $size"
    printf 'Pelmora auto-save (Capture press to file): '
    PELMORA_EXE=$root/build/win/Pelmora.exe timeout 600 wine "$out/autosave_bench.exe" \
        "$(winepath -w "$shots" 2>/dev/null)" "$runs" | tr -d '\r'
    # The other two see the same X screen: Wine's desktop, now without the program.
    echo "import -window root:                    $(time_runs shot_import) bytes=$(stat -c %s "$out/import.jpg")"
    echo "xwd -root | convert | cjpeg:            $(time_runs shot_xwd) bytes=$(stat -c %s "$out/xwd.jpg")"

    wine_env_stop_wineserver
    wine_env_stop_xvfb
done
