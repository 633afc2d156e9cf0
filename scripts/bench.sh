#!/usr/bin/env bash
# Every benchmark in turn: JPEG encoding, screen capture and (when present)
# auto-save. Each builds what it needs, runs on its own private X display and
# Wine server, and prints its own table. A benchmark that fails or runs past
# its time limit is reported and the others still run.
#
#   scripts/bench.sh            RUNS sets the runs per figure where a
#                               benchmark takes it (default: each one's own)
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
limit=${BENCH_TIMEOUT:-1800}  # seconds per benchmark

benches=(bench-jpeg.sh bench-capture.sh)
[ -f "$root/scripts/bench-autosave.sh" ] && benches+=(bench-autosave.sh)

echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
failed=()
for bench in "${benches[@]}"; do
    echo
    echo "===== $bench"
    args=()
    # bench-jpeg.sh takes its runs as an argument, the others from RUNS.
    [ "$bench" = bench-jpeg.sh ] && [ -n "${RUNS:-}" ] && args=("$RUNS")
    # The limit signals the benchmark's whole process group: its own traps
    # then stop the Xvfb and wineserver it started.
    timeout -s TERM -k 30 "$limit" bash "$root/scripts/$bench" "${args[@]}"
    status=$?
    [ $status = 0 ] || failed+=("$bench (exit $status)")
done

echo
if [ ${#failed[@]} -gt 0 ]; then
    echo "failed: ${failed[*]}"
    exit 1
fi
echo "all benchmarks ran; load average now $(cut -d' ' -f1-3 /proc/loadavg)"
