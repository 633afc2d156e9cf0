#!/usr/bin/env bash
# Benchmark, not a test: prints figures. For each screen size, on a private
# Xvfb of exactly that size with Wine's desktop set to it:
#   grab            GrabScreenRect(FullDisplayRect()) with GrabBitmap freed
#   press           Capture press to the preview painted, "Minimize First"
#                   unticked and ticked (hide and restore included)
#   memory          peak and private memory after one capture against idle,
#                   in full frames (width x height x 4 bytes)
# and, on the same X screen in the same run, two X tools writing the screen:
#   import -window root x.miff      (miff: no compression, like the grab)
#   xwd -root -silent > /dev/null
#
#   scripts/bench-capture.sh                 sizes 1920x1080 3840x2160, 15 runs
#   RUNS=5 SIZES="1920x1080" scripts/bench-capture.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${RUNS:-15}
sizes=${SIZES:-"1920x1080 3840x2160"}
out=$root/build/bench-capture
exe=$root/build/win/bench/capture_bench.exe

. "$root/scripts/wine-env.sh"
wine_env_install_trap

mkdir -p "$out"
if ! bash "$root/scripts/build.sh" --tests >"$out/build.log" 2>&1; then
    # Work in flight elsewhere in the tree may break another target; the
    # benchmark needs only its own.
    echo "full build failed (see ${out#"$root"/}/build.log); building capture_bench alone" >&2
    cmake --build "$root/build/win" --target capture_bench -j"$(nproc)" >>"$out/build.log" 2>&1 ||
        { tail -20 "$out/build.log" >&2; exit 1; }
fi

now_ns() { date +%s%N; }

# Runs "$@" $runs times; prints "median_ms=M min_ms=M max_ms=M".
time_runs() {
    local times=() i start end
    for ((i = 0; i < runs; i++)); do
        start=$(now_ns)
        "$@"
        end=$(now_ns)
        times+=("$(( (end - start) / 100000 ))")  # tenths of a millisecond
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '
        { t[NR] = $1 / 10 }
        END { printf "median_ms=%.1f min_ms=%.1f max_ms=%.1f", t[int(NR / 2) + 1], t[1], t[NR] }'
}

shot_import() { timeout 60 import -window root "$out/x.miff"; }
shot_xwd() { timeout 60 xwd -root -silent > /dev/null; }

field() { sed -n "s/.*[[:space:]]$1=\([^ ]*\).*/\1/p" <<<"$2"; }

# One table row from a "name runs=N median_ms=... min_ms=... max_ms=..." line.
timing_row() {
    local size=$1 what=$2 line=$3
    printf '%-10s %-34s %10s %10s %10s\n' "$size" "$what" "$(field median_ms "$line")" \
        "$(field min_ms "$line")" "$(field max_ms "$line")"
}

timings=$out/timings.txt
memory=$out/memory.txt
: >"$timings"
: >"$memory"
echo "runs per figure: $runs; load average at start: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
for size in $sizes; do
    width=${size%x*} height=${size#*x}
    wine_env_start_sized_desktop "$size" "$out/prefix"

    log=$out/capture-$size.txt
    if ! timeout 600 wine "$exe" "$width" "$height" "$runs" 2>&1 | tr -d '\r' >"$log"; then
        echo "capture_bench failed at $size:" >&2
        cat "$log" >&2
        exit 1
    fi
    grep -q '^press_minimize ' "$log" || { cat "$log" >&2; exit 1; }
    {
        timing_row "$size" "GrabScreenRect (full display)" "$(grep '^grab ' "$log")"
        timing_row "$size" "Capture press, Minimize unticked" "$(grep '^press_unticked ' "$log")"
        timing_row "$size" "Capture press, Minimize ticked" "$(grep '^press_minimize ' "$log")"
        timing_row "$size" "import -window root x.miff" " $(time_runs shot_import)"
        timing_row "$size" "xwd -root -silent > /dev/null" " $(time_runs shot_xwd)"
    } >>"$timings"
    while read -r _ name rest; do
        case $name in frame_mib=*) continue ;; esac
        if [[ $rest == "not given"* ]]; then
            printf '%-10s %-20s %10s\n' "$size" "$name" "n/a (not given under Wine)"
            continue
        fi
        printf '%-10s %-20s %10s %10s %12s %8s\n' "$size" "$name" "$(field idle_mib " $rest")" \
            "$(field after_mib " $rest")" "$(field above_idle_mib " $rest")" \
            "$(field frames " $rest")"
    done < <(grep '^memory ' "$log") >>"$memory"
    reset=$(sed -n 's/.*peak_reset=\([a-z]*\).*/\1/p' "$log")
    echo "$size: frame $(sed -n 's/.*frame_mib=\([0-9.]*\).*/\1/p' "$log") MiB, peak reset before the capture: $reset" >>"$memory"

    wine_env_stop_wineserver
    wine_env_stop_xvfb
done

echo
printf '%-10s %-34s %10s %10s %10s\n' size what median_ms min_ms max_ms
cat "$timings"
echo
printf '%-10s %-20s %10s %10s %12s %8s\n' size counter idle_MiB after_MiB above_MiB frames
cat "$memory"
echo "(memory: after one Capture press with the preview painted, and +save after"
echo " that picture is also saved as JPEG; peaks are set"
echo " against the idle working set. Under Wine PeakPagefile is the current"
echo " anonymous memory, not a peak; PeakWorkingSet is the true high-water mark.)"
echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg)"
