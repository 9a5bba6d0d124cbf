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

# The files the tests write (parts, tools, Param.dat, configurations, the
# hostile ones included), when the ordinary build's tests exist.
if [ -x build/bin/core_tests ] && [ -x build/bin/ui_tests ]; then
    kept="$out/test-files"
    rm -rf "$kept"
    before=$(find "$out/seeds" -type f | wc -l)
    ZELPOR_KEEP_TEST_FILES="$PWD/$kept" build/bin/core_tests > /dev/null 2>&1 || true
    ZELPOR_KEEP_TEST_FILES="$PWD/$kept" QT_QPA_PLATFORM=offscreen build/bin/ui_tests > /dev/null 2>&1 || true
    for f in "$kept"/*; do
        [ -f "$f" ] || continue
        case "${f,,}" in
            *.pie) cp "$f" "$out/seeds/part/"; cp "$f" "$out/seeds/partfile/" ;;
            *.pun) cp "$f" "$out/seeds/punch/" ;;
            *.die) cp "$f" "$out/seeds/die/" ;;
            *param.dat) cp "$f" "$out/seeds/params/" ;;
            *material.dat) cp "$f" "$out/seeds/material/" ;;
            *.ini) cp "$f" "$out/seeds/ini/" ;;
        esac
    done
    # Each part the tests wrote, cut or padded to a part's size, with the
    # first sample punch and die after it.
    pun=$(ls "$out"/samples/*.pun | head -1)
    die=$(ls "$out"/samples/*.die | head -1)
    for f in "$out"/seeds/part/*; do
        case "$f" in */zelpor-test-*) ;; *) continue ;; esac
        scene="$out/seeds/scenes/$(basename "$f")"
        head -c 10741 "$f" > "$scene"
        truncate -s 10741 "$scene"
        cat "$pun" "$die" >> "$scene"
    done
    echo "seeds: $(( $(find "$out/seeds" -type f | wc -l) - before )) files written by the tests"
else
    echo "seeds: build/ has no tests yet (make test), fuzzing from the encoders' and the samples' files only"
fi

# Only the fill of fresh allocations is switched off, for speed; every ASan
# check stays on.
export ASAN_OPTIONS="${ASAN_OPTIONS:-max_malloc_fill_size=0:detect_leaks=0}"
# Longest input fed to a target while fuzzing (0: libFuzzer's guess from the
# corpus). A configuration file is a few hundred bytes; without a bound, the
# 70 KB long-line input kept in the regressions would make every mutation that
# long. A part is 10741 bytes: a few KB of tail exercise the save's copy of
# the tail as well as a megabyte does (the tests save 64 MB and 8 GB tails),
# at many times the speed. The saved inputs are still replayed whole by the
# tests.
max_len_for() { case $1 in ini) echo 8192 ;; part | partfile) echo 16384 ;; *) echo 0 ;; esac; }
# The scenes target reaches thousands of coverage features; libFuzzer's
# entropic scheduler spent more time weighing them than the target spent
# drawing, so it runs with the plain scheduler (twice the executions).
scheduler_for() { case $1 in scenes) echo 0 ;; *) echo 1 ;; esac; }
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
    if ! "$bin" -max_total_time="$seconds" -runs="$runs" -max_len="$(max_len_for "$kind")" \
            -entropic="$(scheduler_for "$kind")" -artifact_prefix="$out/findings/$kind-" \
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
