#!/usr/bin/env bash
# One job per working folder, and nothing a job started outlives it: while a
# painter's splitter waits for a converter, a second painter and the splitter
# run by hand are refused; the first painter killed with kill -9 takes the
# splitter and the converter with it, and the folder is free at once.
# Usage: job_lock_test.sh MARVANE QUILLET NVDXT SAMPLE-LEVEL-GENERATOR
set -u
marvane=$(realpath "$1")
quillet=$(realpath "$2")
nvdxt=$(realpath "$3")
generator=$4

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

work=$(mktemp -d)
first=""
trap '[ -n "$first" ] && kill -9 "$first" 2>/dev/null; rm -rf "$work"' EXIT

"$generator" --out "$work/level" --primary 257 --secondary 17 --seed 5 >/dev/null ||
    { echo "FAIL: the sample level could not be generated"; exit 1; }
job=$work/level/paint

# The programs as installed side by side, with a converter that holds (in a
# program of its own, as a user's converter may start) while "hold" is in
# the working folder.
bin=$work/bin
mkdir "$bin"
cp "$marvane" "$quillet" "$bin/"
cat >"$bin/nvdxt" <<EOF
#!/bin/sh
if [ -e hold ]; then echo \$\$ >>converters; sleep 120; fi
exec "$nvdxt" "\$@"
EOF
chmod +x "$bin/nvdxt"

# Bounded in time: a painter that is not refused waits for the converter.
painter() { (cd "$job" && timeout 60 "$bin/Marvane" -mirror 0 -surround 0 -deltemps 0); }
# Every process below one, children first.
descendants() {
    local child
    for child in $(pgrep -P "$1"); do
        descendants "$child"
        echo "$child"
    done
}
# The processes of a list that still run (a zombie no longer does).
running() {
    local pid state
    for pid in "$@"; do
        state=$(ps -o stat= -p "$pid" 2>/dev/null) || continue
        case "$state" in Z*) ;; *) echo "$pid" ;; esac
    done
}

touch "$job/hold"
(cd "$job" && exec "$bin/Marvane" -mirror 0 -surround 0 -deltemps 0 >"$work/first.out" 2>"$work/first.err") &
first=$!
for ((i = 0; i < 600; i++)); do
    [ -s "$job/converters" ] && break
    sleep 0.1
done
check "the first job's splitter reaches the converter" yes "$([ -s "$job/converters" ] && echo yes || echo no)"

painter >"$work/second.out" 2>"$work/second.err"
check "a second painter: exit status" 1 "$?"
check "a second painter: says why" yes \
    "$(grep -q '^ERROR: another painting job or quillet is at work in this folder' "$work/second.err" && echo yes || echo no)"
check "the first job's log is kept" "Spliting primary" "$(tail -n 1 "$job/log.txt")"
(cd "$job" && timeout 20 "$bin/quillet" detailbig.tga colourbig.tga >"$work/quillet.out" 2>"$work/quillet.err")
check "quillet by hand: exit status" 1 "$?"
check "quillet by hand: says why" yes \
    "$(grep -q '^ERROR: another painting job' "$work/quillet.err" && echo yes || echo no)"

started=$(descendants "$first")
check "the job runs the splitter and the converter" yes \
    "$([ "$(echo "$started" | wc -w)" -ge 3 ] && echo yes || echo no)"
{
    kill -9 "$first"
    wait "$first"
} 2>/dev/null
first=""
for ((i = 0; i < 50; i++)); do
    [ -z "$(running $started)" ] && break
    sleep 0.1
done
check "nothing the killed job started still runs" "" "$(running $started | tr '\n' ' ')"

rm "$job/hold"
painter >"$work/third.out" 2>"$work/third.err"
check "the next painter after the kill: exit status" 0 "$?"
check "the next painter after the kill: completed" yes \
    "$(grep -qE '^Completed \(' "$job/log.txt" && echo yes || echo no)"
check "the next painter after the kill: every tile" "tx00x00.dds tx00x01.dds tx01x00.dds tx01x01.dds" \
    "$(cd "$job/colormaps" && echo *.dds)"
(cd "$job" && PATH=$bin:$PATH "$bin/quillet" null colourbig.tga >/dev/null 2>&1)
check "quillet by hand with no job: exit status" 0 "$?"

finish
