#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time from a
# seed corpus: files made by the program's own encoders, the sample tool
# library, and the regression inputs kept in fuzz/regressions/<target>/. A
# crash fails the run; its input is left in build-fuzz/findings/ to become a
# regression file.
#   FUZZ_SECONDS  time per target (default 60)
#   FUZZ_RUNS     executions per target at most (default: no limit)
#   FUZZ_TARGETS  targets to run, e.g. "part scenes" (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
runs="${FUZZ_RUNS:--1}"

scripts/ensure-deps.sh --fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

out=build-fuzz
rm -rf "$out/seeds" "$out/samples"
"$out/bin/make_fuzz_seeds" "$out/seeds"
"$out/bin/make_samples" "$out/samples" "$out/samples/SampleLibraryData.cpp" >/dev/null
for f in "$out"/samples/*; do
    case "${f,,}" in
        *.pun) cp "$f" "$out/seeds/punch/" ;;
        *.die) cp "$f" "$out/seeds/die/" ;;
        */param.dat) cp "$f" "$out/seeds/params/" ;;
        */material.dat) cp "$f" "$out/seeds/material/" ;;
    esac
done
# Scenes: the sample part with every sample punch and die of the library.
for pun in "$out"/samples/*.pun; do
    for die in "$out"/samples/*.die; do
        cat "$out/seeds/part/sample.pie" "$pun" "$die" > "$out/seeds/scenes/$(basename "$pun" .pun)-$(basename "$die" .die)"
    done
done

# Only the fill of fresh allocations is switched off, for speed; every ASan
# check stays on.
export ASAN_OPTIONS="${ASAN_OPTIONS:-max_malloc_fill_size=0:detect_leaks=0}"
# Longest input fed to a target while fuzzing (0: libFuzzer's guess from the
# corpus). A configuration file is a few hundred bytes; without a bound, the
# 70 KB long-line input kept in the regressions would make every mutation that
# long. The saved inputs are still replayed whole by the tests.
max_len_for() { case $1 in ini) echo 8192 ;; *) echo 0 ;; esac; }
mkdir -p "$out/findings"
status=0
for bin in "$out"/bin/fuzz_*; do
    target=$(basename "$bin")
    kind=${target#fuzz_}
    if [ -n "${FUZZ_TARGETS:-}" ] && [[ " $FUZZ_TARGETS " != *" $kind "* ]]; then continue; fi
    corpus="$out/corpus/$kind"
    mkdir -p "$corpus"
    seeds=()
    for s in "$out/seeds/$kind" "fuzz/regressions/$kind"; do [ -d "$s" ] && seeds+=("$s"); done
    echo "== $target: ${seconds}s"
    if ! "$bin" -max_total_time="$seconds" -runs="$runs" -max_len="$(max_len_for "$kind")" -artifact_prefix="$out/findings/$kind-" \
            -print_final_stats=1 "$corpus" "${seeds[@]}" > "$out/$target.log" 2>&1; then
        echo "$target FAILED: see $out/$target.log and $out/findings/" >&2
        tail -40 "$out/$target.log" >&2
        status=1
    fi
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$target.log")
    echo "$target: ${executed:-0} executions"
    echo "$(date -u +%FT%TZ) $target ${executed:-0}" >> "$out/executions.log"
done
exit $status
