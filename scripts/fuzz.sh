#!/usr/bin/env bash
# Builds the fuzz targets of the file readers (clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer) in build-fuzz and runs each for SECONDS.
#   scripts/fuzz.sh [SECONDS] [TARGET...]   (FUZZ_BUILD_DIR: another build folder)
# The corpus of each target grows in build-fuzz/corpus/<target> (seeded from
# the demo generator the first time); a crash leaves its input in
# build-fuzz/artifacts/<target>/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_EACH="${1:-20}"
shift || true
TARGETS=("$@")
((${#TARGETS[@]})) || TARGETS=(record_file side_files station_files magnetogram korona silso scan)
BUILD="${FUZZ_BUILD_DIR:-build-fuzz}"

if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-dev 2>/dev/null | grep -q "install ok installed"; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends clang libclang-rt-dev cmake ninja-build
fi

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DHELIOKRES_FUZZ=ON -DHELIOKRES_TESTS=OFF -DHELIOKRES_BENCH=OFF
fi
cmake --build "$BUILD" -j "$(nproc)"

# Seeds for every target that has no corpus yet (a target added since the
# corpus was started included).
for t in "${TARGETS[@]}"; do
    if [ ! -d "$BUILD/corpus/$t" ]; then
        rm -rf "$BUILD/seeds"
        "$BUILD/fuzz/heliokres_fuzz_seeds" "$BUILD/seeds"
        for s in "$BUILD"/seeds/*/; do
            s="$(basename "$s")"
            [ -d "$BUILD/corpus/$s" ] || { mkdir -p "$BUILD/corpus" && cp -r "$BUILD/seeds/$s" "$BUILD/corpus/$s"; }
        done
        rm -rf "$BUILD/seeds"
        break
    fi
done

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
failed=0
for t in "${TARGETS[@]}"; do
    mkdir -p "$BUILD/corpus/$t" "$BUILD/artifacts/$t"
    log="$BUILD/artifacts/$t/run.log"
    echo "== fuzz_$t: ${SECONDS_EACH} s"
    if ! "$BUILD/fuzz/fuzz_$t" -max_total_time="$SECONDS_EACH" -max_len=16384 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$BUILD/artifacts/$t/" "$BUILD/corpus/$t" >"$log" 2>&1; then
        echo "fuzz_$t FAILED, see $log"
        tail -n 40 "$log"
        failed=1
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$log" | sed "s/^/   /" || true
    fi
done
exit "$failed"
