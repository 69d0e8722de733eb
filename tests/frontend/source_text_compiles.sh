#!/usr/bin/env bash
# Resolves the engine's files for each build and compiles every one of them against the resolved headers
# alone, so a switch left over, or a statement cut wrongly, fails here.
# Usage: source_text_compiles.sh ENGINE_SOURCE_TEXT CXX ROOT FILE...
set -euo pipefail
tool=$1 cxx=$2 root=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for build in grid nogrid; do
    "$tool" "$build" --split "$work/$build" "$root" "$@"
    # The switch's header is not written; the real one would stop the compiler, so it must not be needed.
    [ ! -e "$work/$build/engine/build_switch.h" ] || { echo "FAIL: the switch header was written"; exit 1; }
    for file in "$work/$build"/engine/*.cpp; do
        "$cxx" -std=c++20 -fsyntax-only -I"$work/$build" -I"$root" "$file" ||
            { echo "FAIL: $build: $(basename "$file") does not compile"; exit 1; }
    done
    echo "$build: every file compiles"
done
