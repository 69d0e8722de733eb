#!/usr/bin/env bash
# Bad inputs through the real programs. Each row arranges a working directory laid out like build/run,
# runs one program, and checks that the problem is reported (the file, and the line where one applies),
# that the program ends non-zero or, for tolerated input, runs normally, and that no good file that was
# there before (result file, "B_tubegen.dat", "Phantom.dat") is damaged. Prints one line per row.
# Usage: bad_inputs.sh RUN_DIR
set -uo pipefail
run_dir=$(realpath "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
passed=0
failed=0

# A fresh working directory with the shipped data, a default spectrum and conditions for 10^3 histories,
# and a good result file "out.data" from a first run.
fresh() {
    dir="$root/row$((passed + failed + 1))"
    mkdir -p "$dir"
    cp "$run_dir"/*.mix "$run_dir"/*.ele "$run_dir"/*.xfs "$run_dir"/Phantom_*.dat "$run_dir"/Mus-shadowbench.dat "$dir"/
    cd "$dir"
    "$run_dir/shadowbench-batch" spectrum >/dev/null
    printf '01\r\n20.0\r\n34.0\r\n00\r\n1.00E+03\r\nout.data\r\n' >Phantom.dat
    printf '\n\n' | "$run_dir/voxtrace_nogrid" >/dev/null 2>&1
    sha256sum B_tubegen.dat Phantom.dat out.data >"$root/good.sha"
}

conditions() { printf '%s\r\n' "$@" >Phantom.dat; }
replace_line() { awk -v n="$2" -v text="$3" 'NR == n { printf "%s\r\n", text; next } { print }' "$1" >"$1.new" && mv "$1.new" "$1"; }

# row DESCRIPTION EXPECT COMMAND...: EXPECT is "fail:TEXT" (non-zero, TEXT in the report) or "ok" (exit 0).
# Files the row itself replaced are not checked for damage; the others must be as they were.
row() {
    local what=$1 expect=$2
    shift 2
    local out status
    out=$("$@" 2>&1 </dev/null)
    status=$?
    local verdict="ok" replaced_result=""
    case $expect in
        ok)
            [ $status -eq 0 ] || verdict="exit $status, expected 0: $(tail -n 2 <<<"$out")"
            # A run that goes through replaces the result with a new, complete one.
            replaced_result=1
            [ "$(wc -l <out.data)" -eq 4313 ] || verdict="out.data is not a whole result file" ;;
        stays)  # a window program still running when its time was up: usable, not crashed
            [ $status -eq 124 ] || verdict="exit $status, expected the program to keep running" ;;
        fail:*)
            [ $status -ne 0 ] || verdict="exit 0, expected a failure"
            grep -qF -- "${expect#fail:}" <<<"$out" || verdict="report lacks '${expect#fail:}': $(tail -n 2 <<<"$out")" ;;
    esac
    while read -r sum name; do
        [ -n "${touched[$name]:-}" ] && continue
        [ -n "$replaced_result" ] && [ "$name" = out.data ] && continue
        [ "$(sha256sum "$name" 2>/dev/null | cut -d' ' -f1)" = "$sum" ] || verdict="$name damaged"
    done <"$root/good.sha"
    local shown
    shown=$(grep -m1 -E 'error|expected|cannot|needs|ターゲット' <<<"$out" | cut -c1-110)
    if [ "$verdict" = ok ]; then
        passed=$((passed + 1))
        printf 'ok    %-52s %s\n' "$what" "${shown:-exit $status}"
    else
        failed=$((failed + 1))
        printf 'FAIL  %-52s %s\n' "$what" "$verdict"
    fi
    cd "$root"
}

engine() { printf '\n\n' | "$run_dir/$1"; }
declare -A touched

# --- the engine ---------------------------------------------------------------------------------------
for build in voxtrace_nogrid voxtrace_grid; do
    touched=([B_tubegen.dat]=1)
    fresh; rm B_tubegen.dat
    row "$build: missing spectrum file" 'fail:"B_tubegen.dat"' engine $build
    fresh; : >B_tubegen.dat
    row "$build: empty spectrum file" 'fail:"B_tubegen.dat", line 1' engine $build
    fresh; head -n 5 B_tubegen.dat >t && mv t B_tubegen.dat
    row "$build: spectrum cut in its header" 'fail:line 6' engine $build
    fresh; head -n 109 B_tubegen.dat >t && mv t B_tubegen.dat
    row "$build: spectrum cut in its records" 'fail:line 110' engine $build
    fresh; replace_line B_tubegen.dat 150 '0070.5  0.0x123'
    row "$build: spectrum weight not a number" 'fail:line 150, field 2' engine $build
    fresh; replace_line B_tubegen.dat 150 '0070.5      nan'
    row "$build: spectrum weight NaN" 'fail:line 150, field 2' engine $build
    fresh; iconv -f CP932 -t UTF-8 B_tubegen.dat >t && mv t B_tubegen.dat
    row "$build: spectrum header in UTF-8 (bytes carried)" ok engine $build
    fresh; sed -i 's/\r$//' B_tubegen.dat
    row "$build: spectrum with LF-only line ends" ok engine $build

    touched=([Phantom.dat]=1)
    fresh; rm Phantom.dat
    row "$build: missing run conditions" 'fail:"Phantom.dat"' engine $build
    fresh; conditions 01 20.0 34.0 00
    row "$build: run conditions cut after line 4" 'fail:line 5' engine $build
    fresh; conditions 01 abc 34.0 00 1.00E+03 out.data
    row "$build: thickness not a number" 'fail:line 2' engine $build
    fresh; conditions 01 20.0 NaN 00 1.00E+03 out.data
    row "$build: field size NaN" 'fail:line 3' engine $build
    fresh; conditions 01 20.0 34.0 00 -5.00E+02 out.data
    row "$build: negative number of histories" 'fail:0 or more' engine $build
    fresh; conditions 01 20.0 34.0 00 5.00E+11 out.data
    row "$build: photons per bin beyond 32 bits" 'fail:32-bit count' engine $build
    fresh; conditions 07 20.0 34.0 00 1.00E+03 out.data
    row "$build: phantom type 7" 'fail:a phantom type of 1, 2 or 3' engine $build
    fresh; conditions 01 20.0 34.0 00 1.00E+03 a_name_that_is_longer_than_thirty_bytes.data
    row "$build: name over 30 bytes (written under its first 30)" ok \
        bash -c "printf '\n\n' | '$run_dir/$build' >/dev/null && test -s a_name_that_is_longer_than_thi"
    fresh; mkdir result.data; conditions 01 20.0 34.0 00 1.00E+03 result.data
    row "$build: a directory under the result's name" 'fail:a directory has that name' engine $build
    fresh; conditions 01 20.0 34.0 00 1.00E+03 no_such_dir/out.data
    row "$build: result in a directory that does not exist" 'fail:cannot be written' engine $build
    fresh; sed -i 's/\r$//' Phantom.dat
    row "$build: run conditions with LF-only line ends" ok engine $build

    touched=()
    fresh; replace_line Phantom_Water.dat 14 '1x1'
    row "$build: voxel map with a letter for a code" 'fail:"Phantom_Water.dat", line 14' engine $build
    fresh; head -n 12 Phantom_Water.dat >t && mv t Phantom_Water.dat
    row "$build: voxel map cut short" 'fail:"Phantom_Water.dat"' engine $build
    fresh; : >Water.xfs
    row "$build: empty scattering-factor file" 'fail:"Water.xfs", line 1' engine $build
    fresh; replace_line Water.mix 20 ' 3.000E-02 x.000E-01 1.000E-01 1.000E-01 1.000E-01 1.000E-01'
    row "$build: composition record not a number" 'fail:"Water.mix", line 20' engine $build
done

# --- the spectrum computation of the batch tool --------------------------------------------------------
touched=()
fresh; rm Mus-shadowbench.dat
row "spectrum: missing attenuation file" 'fail:Mus-shadowbench.dat' "$run_dir/shadowbench-batch" spectrum
fresh; head -c 2000 Mus-shadowbench.dat >t && mv t Mus-shadowbench.dat
row "spectrum: attenuation file cut short" 'fail:Mus-shadowbench.dat' "$run_dir/shadowbench-batch" spectrum
fresh; sed -i '20s/.*/10.0,abc,1,1,1/' Mus-shadowbench.dat
row "spectrum: attenuation value not a number" 'fail:Mus-shadowbench.dat' "$run_dir/shadowbench-batch" spectrum
fresh
row "spectrum: target angle 0" 'fail:ターゲット角度' "$run_dir/shadowbench-batch" spectrum --angle 0
fresh
row "spectrum: filter file that does not exist" 'fail:None.ele' "$run_dir/shadowbench-batch" spectrum --filter None.ele=1

# --- the windowed programs, offscreen: a box that nobody answers keeps them running until their time is
# up; its text is also written to standard error -----------------------------------------------------
window() { QT_QPA_PLATFORM=offscreen timeout 8 "$run_dir/$1"; }
if [ ! -x "$run_dir/tubegen" ] || [ ! -x "$run_dir/shadowbench" ]; then
    echo "skip  the windowed programs: not built here"
    echo "$passed passed, $failed failed"
    [ $failed -eq 0 ]
    exit
fi
touched=()
fresh; rm Mus-shadowbench.dat
row "tubegen: missing attenuation file" 'fail:Mus-shadowbench.dat' window tubegen
fresh; head -c 2000 Mus-shadowbench.dat >t && mv t Mus-shadowbench.dat
row "tubegen: attenuation file cut short" 'fail:Mus-shadowbench.dat' window tubegen
fresh; sed -i '20s/.*/10.0,abc,1,1,1/' Mus-shadowbench.dat
row "tubegen: attenuation value not a number" 'fail:Mus-shadowbench.dat' window tubegen
fresh; rm Phantom_*.dat
row "shadowbench: started without the voxel maps" stays window shadowbench
fresh; printf 'not a result file\r\n' >broken.data
row "shadowbench: a foreign .data file in the directory" stays window shadowbench

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
