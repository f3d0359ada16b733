#!/usr/bin/env bash
# Runs heliokres-cli over damaged program directories: a demo directory whose
# record file or one side file is truncated, zero-filled, has bytes replaced
# (several seeds), or is replaced by a folder, a FIFO or an empty file, or
# beside which a killed program left its lock and the temporary file of a
# save; on each, every command below. Each run must end by itself within 60 s
# with status 0, or 1 and a message "heliokres-cli: ...", and may change in
# the directory only the files it names on its standard output as written
# (a leftover of a killed program it removed may be named on standard error).
#   scripts/mutate-dirs.sh [CLI] [FLIP_SEEDS]
# CLI defaults to build/heliokres-cli, FLIP_SEEDS to 3. Prints a summary and
# every failure; the exit status is 1 when a run failed.
set -uo pipefail
cd "$(dirname "$0")/.."

CLI="$(realpath "${1:-build/heliokres-cli}")"
FLIP_SEEDS="${2:-3}"
[ -x "$CLI" ] || { echo "no heliokres-cli at $CLI"; exit 2; }

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
DEMO="$WORK/demo"
"$CLI" demo "$DEMO" --years 2 --per-year 40 --seed 11 >/dev/null || exit 2
"$CLI" magnetosphere-sum "$DEMO" >/dev/null 2>&1 || exit 2
printf '2020;01;01;2020.001;5;2;3\n' >"$WORK/sn.csv"
printf 'Hvezdarna\r\nDalekohled 80/1200\r\n' >"$DEMO/PopisNov.txt"
printf 'Inter-Sol\r\nBox 1\r\na@b.c\r\n' >"$DEMO/InterSolAdresa.txt"

# A month of the records: the first record's date from dump.
first="$("$CLI" dump "$DEMO/datax.dat" 2>/dev/null | grep -oE '[0-9]{2}\.[0-9]{2}\.[0-9]{4}' | head -1)"
MONTH="$((10#${first:3:2})).${first:6:4}"
ROTATION="$("$CLI" ephemeris "$first" | grep -oE 'CR=[0-9]+' | cut -c4-)"
# A process that has ended: the writer of the leftovers.
sh -c 'exit 0' &
ENDED=$!
wait $ENDED

COMMANDS=(
    "check DIR"
    "dump DIR/datax.dat"
    "dump --summary DIR/datax.dat"
    "report sidc DIR MONTH --force"
    "report cv DIR MONTH --observer 'Novák, Jan' --force"
    "report own DIR MONTH --force"
    "report intersol DIR MONTH --observer 'Novák, Jan'"
    "stats DIR measured"
    "stats DIR observers"
    "stats DIR zones"
    "stats DIR asymmetry --monthly"
    "export ascii DIR"
    "export faculae DIR"
    "export official DIR MONTH"
    "render drawing DIR --record 1 --out OUT/drawing.png"
    "render protocol DIR MONTH --sidc --out OUT/protocol.png"
    "render butterfly DIR --corona --supplementary --out OUT/butterfly.png"
    "render graph DIR --series sn --out OUT/graph.png"
    "render smoothed DIR --series r --out OUT/smoothed.png"
    "render map DIR --rotation ROTATION --magnetosphere --out OUT/map.png"
    "magnetosphere-sum DIR"
    "import silso DIR WORK/sn.csv"
)

FILES=(datax.dat)
for f in "$DEMO"/* "$DEMO"/SIDC/* "$DEMO"/KoronaX/HR1940.csv "$(ls -d "$DEMO"/KoronaX/* | tail -1)" \
    "$(ls -d "$DEMO"/Magneto/* | head -1)"; do
    [ -f "$f" ] || continue
    rel="${f#"$DEMO"/}"
    [ "$rel" = datax.dat ] || FILES+=("$rel")
done

DAMAGES=(truncated zeroed folder fifo empty leftovers)
for ((s = 1; s <= FLIP_SEEDS; s++)); do DAMAGES+=("flipped$s"); done

damage() { # FILE KIND
    local f="$1" kind="$2" size
    size=$(stat -c %s "$f")
    case "$kind" in
    truncated) truncate -s $((size / 2 + (size > 2))) "$f" ;;
    zeroed) head -c "$size" /dev/zero >"$f.z" && mv "$f.z" "$f" ;;
    folder) rm -f "$f" && mkdir "$f" ;;
    fifo) rm -f "$f" && mkfifo "$f" ;;
    empty) : >"$f" ;;
    leftovers) # the file untouched; a killed writer's lock and temporary file beside it
        printf 'pid=%s\nhost=%s\nprogram=heliokres\n' "$ENDED" "$(hostname)" >"$dir/heliokres.lock"
        echo x >"$f.$ENDED.1.heliokres-tmp"
        ;;
    flipped*)
        RANDOM=${kind#flipped}
        local n=$((size / 50 + 8)) i off
        for ((i = 0; i < n && size > 0; i++)); do
            off=$(((RANDOM * 32768 + RANDOM) % size))
            printf "\\x$(printf %02x $((RANDOM % 255 + 1)))" |
                dd of="$f" bs=1 seek="$off" conv=notrunc status=none
        done
        ;;
    esac
}

snapshot() { # DIR: one line per entry, kind and content hash
    (cd "$1" && find . -mindepth 1 -printf '%y %p\n' | sort &&
        find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}

dirs=0 runs=0 failures=0 slowest=0 slowestRun=""
declare -A statuses=()
started=$(date +%s)
for rel in "${FILES[@]}"; do
    for kind in "${DAMAGES[@]}"; do
        dir="$WORK/dir" out="$WORK/out"
        rm -rf "$dir" "$out" && cp -a "$DEMO" "$dir" && mkdir "$out"
        damage "$dir/$rel" "$kind"
        dirs=$((dirs + 1))
        for command in "${COMMANDS[@]}"; do
            args="${command//DIR/$dir}"
            args="${args//OUT/$out}"
            args="${args//MONTH/$MONTH}"
            args="${args//ROTATION/$ROTATION}"
            args="${args//WORK/$WORK}"
            what="$rel $kind: $command"
            snapshot "$dir" >"$WORK/before"
            t0=$(date +%s%N)
            eval timeout -s KILL 60 "\"$CLI\"" "$args" >"$WORK/stdout" 2>"$WORK/stderr"
            status=$?
            ms=$((($(date +%s%N) - t0) / 1000000))
            runs=$((runs + 1))
            statuses[$status]=$((${statuses[$status]:-0} + 1))
            ((ms > slowest)) && slowest=$ms slowestRun="$what"
            problem=""
            if [ "$status" -ne 0 ] && [ "$status" -ne 1 ]; then
                problem="status $status"
            elif [ "$status" -eq 1 ] && ! grep -q '^heliokres-cli: ' "$WORK/stderr"; then
                problem="status 1 without a message"
            else
                snapshot "$dir" >"$WORK/after"
                # Every changed or added entry must be named on stdout; a
                # removed one (a killed program's leftover) on either stream.
                while read -r line; do
                    path="${line##* ./}"
                    path="${path#./}"
                    grep -qF "$path" "$WORK/stdout" && continue
                    if [ ! -e "$dir/$path" ] && grep -qF "$(basename "$path")" "$WORK/stderr"; then
                        continue
                    fi
                    problem="$path changed without being named"
                done < <(diff <(sort "$WORK/before") <(sort "$WORK/after") | grep -E '^[<>]' | cut -c3-)
            fi
            if [ -n "$problem" ]; then
                failures=$((failures + 1))
                echo "FAIL $what: $problem"
                sed 's/^/    /' "$WORK/stderr" | head -5
            fi
        done
    done
done
elapsed=$(($(date +%s) - started))

echo "files: ${#FILES[@]}, damages: ${#DAMAGES[@]}, directories: $dirs, commands: ${#COMMANDS[@]}, runs: $runs"
for s in "${!statuses[@]}"; do echo "exit status $s: ${statuses[$s]} runs"; done | sort
echo "slowest run: $slowest ms ($slowestRun)"
echo "failures: $failures, time: $elapsed s"
[ "$failures" -eq 0 ]
