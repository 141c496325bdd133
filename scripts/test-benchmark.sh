#!/usr/bin/env bash
# Times the test command as CI runs it: for each run, a clean clone of the committed HEAD
# in a folder below a dot folder, with a blank in its name, inside a folder of mode 0700,
# then `bash .ci/run` there. Prints, per run, the whole command's time, the build's,
# ctest's, and the test programs that failed. Figures only: it changes nothing here.
#
# Usage: test-benchmark.sh [--runs N] [--cpus LIST] [--load]
#   --runs N     runs in a row (default 1)
#   --cpus LIST  pins each run to these processors (taskset -c LIST, e.g. 0,1): the
#                test command then sees as many cores, and takes as many slots
#   --load       builds the project again and again beside the runs, in a clone of its
#                own, as other work on a busy machine would
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=1 cpus= load=
while [ $# -gt 0 ]; do
    case $1 in
        --runs) runs=$2; shift 2 ;;
        --cpus) cpus=$2; shift 2 ;;
        --load) load=1; shift ;;
        *) echo "Usage: test-benchmark.sh [--runs N] [--cpus LIST] [--load]" >&2; exit 2 ;;
    esac
done

base=$(mktemp -d /tmp/vell-testbench.XXXXXX)
loader=
cleanup() {
    [ -z "$loader" ] || kill -- -"$loader" 2>/dev/null || true
    rm -rf "$base"
}
trap cleanup EXIT
pin=()
[ -z "$cpus" ] || pin=(taskset -c "$cpus")

if [ -n "$load" ]; then
    git clone -q "$root" "$base/load"
    set -m
    ( while true; do
          rm -rf "$base/load/build"
          CCACHE_DISABLE=1 bash "$base/load/scripts/build.sh" >/dev/null 2>&1 || true
      done ) &
    loader=$!
    set +m
fi

printf '%-4s %8s %8s %8s  %s\n' run whole build ctest failed
for run in $(seq 1 "$runs"); do
    clone="$base/home/.apps/vell clone $run"
    mkdir -p "$base/home" && chmod 0700 "$base/home"
    git clone -q "$root" "$clone"
    log="$base/run-$run.log"
    start=$SECONDS
    status=0
    (cd "$clone" && CI=true "${pin[@]}" bash .ci/run </dev/null >"$log" 2>&1) || status=$?
    whole=$((SECONDS - start))
    build=$(sed -n 's/^The build took \([0-9]*\) s\.$/\1/p' "$log")
    tests=$(sed -n 's/^Total Test time (real) = *\([0-9.]*\) sec$/\1/p' "$log")
    failed=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (\(Failed\|Timeout\|Not Run\)).*/\1/p' "$log" | tr '\n' ' ')
    [ $status -eq 0 ] || failed="${failed:-the command failed (exit $status)}"
    printf '%-4s %7ss %7ss %7ss  %s\n' "$run" "$whole" "${build:-?}" "${tests:-?}" "${failed:-none}"
    [ $status -eq 0 ] || cp "$log" "$root/build/test-benchmark-run-$run.log" 2>/dev/null || true
    rm -rf "$clone"
done
