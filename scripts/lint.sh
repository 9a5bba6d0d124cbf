#!/usr/bin/env bash
# Formatting and static checks; changes no file.
#   1. clang-format --dry-run over src, tests, fuzz, bench and data: any line
#      the style would change fails the run (fix with scripts/lint.sh --fix).
#   2. clang-tidy with .clang-tidy over the core, from the compile commands of
#      the release build folder (LINT_BUILD, default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${LINT_BUILD:-build}"
jobs="${JOBS:-$(nproc)}"

sources() {
    find src tests fuzz bench data \( -name '*.cpp' -o -name '*.h' \) -not -path '*/regressions/*' | sort
}

if [ "${1:-}" = "--fix" ]; then
    sources | xargs clang-format -i
    exit 0
fi

echo "== clang-format"
sources | xargs -P "$jobs" -n 20 clang-format --dry-run --Werror

echo "== clang-tidy (src/core)"
[ -f "$build/compile_commands.json" ] || cmake --preset release >/dev/null
# The compile commands are GCC's: clang-tidy skips the GCC-only warning options.
find src/core -name '*.cpp' | sort | xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet \
    --extra-arg=-Wno-unknown-warning-option
