#!/usr/bin/env bash
# The test command: installs what is missing, builds everything, runs the
# native unit tests, then the Win32 and end-to-end tests under Wine on a
# private X display with a private Wine prefix (build/wine-test). Exits
# non-zero when anything failed; the last line is always
#   Tests: N passed, M failed
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

# Upper bounds for each stage, so that nothing can hang the run; ctest also
# has a timeout for every single test (300 s unless the test sets its own).
build_timeout=3600
host_timeout=900
win_timeout=1800

passed=0
failed=0
status=0
logs="$root/build/test-logs"

summary() {
    echo "Tests: $passed passed, $failed failed"
}

# Adds the counts of one ctest run from its output to the totals. A run that
# was cut short has no summary line: its finished tests are counted and the
# one that was running counts as failed.
count_ctest() {
    local log=$1 line total bad
    line=$(grep -Eo '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -n "$line" ]; then
        bad=$(echo "$line" | awk '{print $1}')
        total=$(echo "$line" | awk '{print $NF}')
    elif grep -q 'No tests were found' "$log"; then
        bad=0 total=0
    else
        total=$(grep -Ec '^ *[0-9]+/[0-9]+ Test +#' "$log")
        bad=$(( total - $(grep -Ec '^ *[0-9]+/[0-9]+ Test +#.* Passed' "$log") + 1 ))
        total=$(( total + 1 ))
        status=1
    fi
    passed=$(( passed + total - bad ))
    failed=$(( failed + bad ))
    [ "$bad" = 0 ] || status=1
}

# run_ctest NAME SECONDS DIR: one ctest run, logged and counted.
run_ctest() {
    local name=$1 seconds=$2 dir=$3 log="$logs/$1.log"
    echo "== $name tests"
    timeout -k 30 "$seconds" ctest --test-dir "$dir" --output-on-failure --timeout 300 2>&1 | tee "$log"
    local rc=${PIPESTATUS[0]}
    [ "$rc" = 124 ] && echo "!! the $name tests did not finish within $seconds s"
    [ "$rc" = 0 ] || status=1
    count_ctest "$log"
}

echo "== build"
if ! timeout -k 30 $build_timeout bash "$root/scripts/build.sh" --tests; then
    echo "!! the build failed"
    summary
    exit 1
fi
mkdir -p "$logs"

run_ctest host $host_timeout "$root/build/host"

# One test run at a time uses the test prefix.
exec 9>"$root/build/wine-test.lock"
if ! flock -w 600 9; then
    echo "!! another test run holds build/wine-test.lock"
    failed=$((failed + 1))
    summary
    exit 1
fi

wine_env_install_trap
if wine_env_start_xvfb &&
   wine_env_prepare_prefix "$root/build/wine-test" desktop &&
   wine_env_start_wineserver; then
    run_ctest win $win_timeout "$root/build/win"
else
    echo "!! could not set up Xvfb and Wine for the Win32 tests"
    status=1
    failed=$((failed + 1))
fi
wine_env_cleanup

summary
exit $status
