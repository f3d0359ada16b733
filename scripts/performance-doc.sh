#!/usr/bin/env bash
# Runs every benchmark program of a Release build and writes their figures,
# with the machine, its load and the commit measured, into the generated
# section of docs/performance.md (between its two marker lines), so that the
# figures there are always those of the code. Run by hand: it takes minutes
# and the figures depend on the machine; it is not part of the tests.
#
#   scripts/performance-doc.sh [BUILD_DIR]      (default: build-bench)
#
# BUILD_DIR is configured as a Release build with the benchmarks when it does
# not exist yet; an existing one must be a Release build. Needs jq.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-bench}")
doc=$root/docs/performance.md
begin='<!-- figures: begin (written by scripts/performance-doc.sh) -->'
end='<!-- figures: end -->'

if ! grep -qxF "$begin" "$doc" || ! grep -qxF "$end" "$doc"; then
    echo "$doc has no generated section ($begin ... $end)" >&2
    exit 1
fi
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DHELIOKRES_TESTS=OFF -DHELIOKRES_BENCH=ON
fi
grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" ||
    { echo "$build is not a Release build" >&2; exit 1; }
grep -q '^HELIOKRES_BENCH:BOOL=ON$' "$build/CMakeCache.txt" ||
    { echo "$build does not build the benchmarks (HELIOKRES_BENCH)" >&2; exit 1; }

programs=()
for src in "$root"/bench/bench_*.cpp; do
    programs+=("$(basename "$src" .cpp)")
done
cmake --build "$build" -j"$(nproc)" --target "${programs[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
load() { cut -d' ' -f1-3 /proc/loadavg; }
loadBefore=$(load)
for p in "${programs[@]}"; do
    echo "running $p" >&2
    "$build/bench/$p" --benchmark_report_aggregates_only=true \
        --benchmark_out="$work/$p.json" --benchmark_out_format=json >/dev/null
done
loadAfter=$(load)

# One table per program: every benchmark (the median of those that repeat),
# its wall and CPU time per iteration, and its counters.
table() {
    jq -r '
        def fmt: if . >= 100 then (round | tostring)
                 elif . >= 10 then ((. * 10 | round) / 10 | tostring)
                 else ((. * 1000 | round) / 1000 | tostring) end;
        def count: if . >= 1e6 then ((. / 1e5 | round) / 10 | tostring) + " M" else fmt end;
        def fixed: ["name", "family_index", "per_family_instance_index", "run_name",
                    "run_type", "repetitions", "repetition_index", "threads", "iterations",
                    "real_time", "cpu_time", "time_unit", "aggregate_name", "aggregate_unit",
                    "error_occurred", "error_message", "label"];
        .benchmarks[]
        | select(.run_type != "aggregate" or .aggregate_name == "median")
        | (if .run_type == "aggregate" then .run_name + " (median)" else .name end) as $name
        | if .error_occurred then "| `\($name)` | failed: \(.error_message) | | |"
          else
            ([to_entries[] | select(.key as $k | fixed | index($k) | not)
              | if .key == "bytes_per_second" then "\(.value / 1048576 | fmt) MiB/s"
                else "\(.key) \(.value | count)" end] | join(", ")) as $counters
            | "| `\($name)` | \(.real_time | fmt) \(.time_unit) | \(.cpu_time | fmt) \(.time_unit) | \($counters) |"
          end' "$1"
}

{
    echo "$begin"
    echo
    echo "Measured $(date -u +%Y-%m-%d) at commit $(git -C "$root" rev-parse --short HEAD)" \
        "on $(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')," \
        "$(nproc) cores; load average (1, 5, 15 min) $loadBefore before the run and" \
        "$loadAfter after it. Wall time suffers from the load, CPU time much less."
    for p in "${programs[@]}"; do
        echo
        echo "### \`$p\`"
        echo
        echo "| benchmark | wall | CPU | counters |"
        echo "|---|---|---|---|"
        table "$work/$p.json"
    done
    echo
    echo "$end"
} >"$work/section.md"

awk -v begin="$begin" -v end="$end" -v section="$work/section.md" '
    $0 == begin { while ((getline line < section) > 0) print line; skip = 1; next }
    $0 == end { skip = 0; next }
    !skip' "$doc" >"$work/doc.md"
cp "$work/doc.md" "$doc.tmp" && mv "$doc.tmp" "$doc"
echo "$doc"
