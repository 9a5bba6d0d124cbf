#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time from a
# seed corpus made by the program's own encoders plus the regression inputs
# kept in fuzz/regressions/<target>/. A crash fails the run; its input is left
# in build-fuzz/findings/ to become a regression file.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"

scripts/ensure-deps.sh --fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

out=build-fuzz
rm -rf "$out/seeds"
"$out/bin/make_fuzz_seeds" "$out/seeds"
mkdir -p "$out/findings"
status=0
for bin in "$out"/bin/fuzz_*; do
    target=$(basename "$bin")
    kind=${target#fuzz_}
    corpus="$out/corpus/$kind"
    mkdir -p "$corpus"
    seeds=("$out/seeds/$kind")
    [ -d "fuzz/regressions/$kind" ] && seeds+=("fuzz/regressions/$kind")
    existing=()
    for s in "${seeds[@]}"; do [ -d "$s" ] && existing+=("$s"); done
    echo "== $target: ${seconds}s"
    if ! "$bin" -max_total_time="$seconds" -artifact_prefix="$out/findings/$kind-" \
            -print_final_stats=1 "$corpus" "${existing[@]}" > "$out/$target.log" 2>&1; then
        echo "$target FAILED: see $out/$target.log and $out/findings/" >&2
        tail -40 "$out/$target.log" >&2
        status=1
    fi
    grep -E "^stat::number_of_executed_units|^#[0-9]+ +DONE" "$out/$target.log" | tail -2
done
exit $status
