#!/usr/bin/env bash
# Sets up, builds and runs every test. Usage: ./test.sh [build dir]   (default: build)
#   <build dir>           the ordinary Release build and all its suites
#   <build dir>-sanitize  the suites that run without windows, with AddressSanitizer and UBSan
#   <build dir>-fuzz      a short libFuzzer run of every reader (tools/fuzz runs longer ones)
set -euo pipefail
cd "$(dirname "$0")"
build=${1:-build}

scripts/setup

cmake -S . -B "$build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHADOWBENCH_WINDOWS=OFF \
      -DSHADOWBENCH_SANITIZE=ON >/dev/null
cmake --build "$build-sanitize" -j"$(nproc)"
ctest --test-dir "$build-sanitize" --output-on-failure -j"$(nproc)" -L 'platform|engine|data|tubegen|frontend|robustness'

if command -v clang++ >/dev/null; then
  tools/fuzz 20 "$build-fuzz"
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
