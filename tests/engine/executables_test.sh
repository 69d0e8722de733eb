#!/usr/bin/env bash
# The real engine programs, as the front-end starts them: prompts answered from standard input, files in
# the current directory. Usage: executables_test.sh RUN_DIR
set -euo pipefail
run_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

for build in voxtrace_nogrid voxtrace_grid; do
    # Nothing in the directory: the first file the engine reads is named, nothing is asked, no result.
    mkdir -p "$work/empty"
    set +e
    out=$(cd "$work/empty" && printf '\n\n' | "$run_dir/$build" 2>&1)
    status=$?
    set -e
    [ $status -ne 0 ] || fail "$build exited 0 without its input files"
    grep -q '"Water.mix"' <<<"$out" || fail "$build did not name the missing file: $out"
    grep -q 'Enter' <<<"$out" && fail "$build showed its banner before the report"
    [ -z "$(ls "$work/empty")" ] || fail "$build wrote a file"

    # A small valid run: banner, progress lines, 4313 result lines, exit 0.
    mkdir -p "$work/$build"
    cp "$run_dir"/*.mix "$run_dir"/*.ele "$run_dir"/*.xfs "$run_dir"/Phantom_*.dat "$run_dir"/Mus-shadowbench.dat "$work/$build"/
    (
        cd "$work/$build"
        "$run_dir/shadowbench-batch" spectrum >/dev/null
        printf '01\r\n20.0\r\n34.0\r\n00\r\n1.00E+03\r\nsmall.data\r\n' >Phantom.dat
        printf '\n\n' | "$run_dir/$build" >console.txt
    ) || fail "$build failed on valid input"
    grep -q ' \* 100 / 200  を処理中' "$work/$build/console.txt" || fail "$build printed no progress line for bin 100"
    [ "$(wc -l <"$work/$build/small.data")" -eq 4313 ] || fail "$build wrote a result of the wrong length"
    echo "$build: ok"
done
echo "1 passed, 0 failed"
