#!/usr/bin/env bash
# Upload and Download through tarn-cli against the virtual radio sending at the pace of 9600 baud.
# Prints, for each transfer, the wall time, the protocol's floor (every byte on the wire at 9600 baud,
# counted from the virtual radio's log, plus the fixed waits the protocol makes) and tarn-cli's CPU time;
# then the same transfer through a USB serial adapter's 16 ms latency timer (the virtual radio's
# --latency 16), with its wall time as a multiple of the time without it. A Download reads the radio twice
# (the preview's read, then the read before the write); it is also timed with the serial trace (--trace),
# which is to cost no measurable time.
# Usage: bench/transfer/transfer.sh [RUNS]   (default 3; build first with scripts/build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cli=$root/build/bin/tarn-cli
sim=$root/build/bin/tarn-radio-sim
runs=${1:-3}
[ -x "$cli" ] && [ -x "$sim" ] || { echo "build first: scripts/build" >&2; exit 1; }

work=$(mktemp -d)
sim_pid=
cleanup() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

# One character is a start bit, eight data bits and a stop bit.
char_ms=$(awk 'BEGIN { printf "%.6f", 10 * 1000 / 9600 }')
# The program's own waits: 150 ms after the radio's first byte when reading; when writing, 100 ms after
# the wake-up byte and, for each of the 32 blocks, 10 ms before the acknowledgement and 50 ms after it.
# The first wait overlaps the radio sending its first block, so a read may end a little under the floor.
read_waits_ms=150
write_waits_ms=$((100 + 32 * (10 + 50)))

# one_transfer COMMAND FILE "RADIO_OPTIONS" [TARN_CLI_OPTIONS...]: tarn-cli against a fresh virtual radio
# with those further options; prints "wall_s cpu_s wire_bytes".
one_transfer() {
  local command=$1 file=$2 radio_options=$3 port
  shift 3
  rm -f "$work/radio.log"
  # shellcheck disable=SC2086 # the radio's options are words
  coproc SIM { exec "$sim" --baud-timing $radio_options --log "$work/radio.log"; }
  sim_pid=$SIM_PID
  read -r port <&"${SIM[0]}"
  local TIMEFORMAT='%R %U %S' times
  times=$( { time "$cli" "$command" --port "$port" "$@" "$file" >/dev/null 2>"$work/cli.err" </dev/null; } 2>&1 ) || {
    echo "$command $* with the virtual radio's options: --baud-timing $radio_options failed:" >&2
    cat "$work/cli.err" >&2; exit 1; }
  kill "$sim_pid"; wait "$sim_pid" 2>/dev/null || true; sim_pid=
  # Bytes from the program (P) and from the radio (R) each take the line once; the echo rides along.
  local wire
  wire=$(awk '$2 == "P" || $2 == "R" { n++ } END { print n + 0 }' "$work/radio.log")
  awk -v t="$times" -v w="$wire" 'BEGIN { split(t, a, " "); printf "%s %.3f %d\n", a[1], a[2] + a[3], w }'
}

# The run of median wall time among the "wall_s cpu_s wire_bytes" lines given.
median() { printf '%s\n' "$@" | sort -n | awk '{ line[NR] = $0 } END { print line[int((NR + 1) / 2)] }'; }

# report NAME WAITS_MS RUNS DIRECT_RUN LATENCY_RUN
report() {
  awk -v name="$1" -v waits="$2" -v runs="$3" -v direct="$4" -v late="$5" -v char_ms="$char_ms" 'BEGIN {
    split(direct, d, " "); split(late, l, " ")
    floor_s = (d[3] * char_ms + waits) / 1000
    printf "%s (median of %d)\n", name, runs
    printf "  wall time:   %.3f s\n", d[1]
    printf "  floor:       %.3f s  (%d bytes on the wire x %.4f ms + %d ms of fixed waits)\n", floor_s, d[3], char_ms, waits
    printf "  wall/floor:  %+.1f %%  (target within 10 %%)\n", (d[1] / floor_s - 1) * 100
    printf "  CPU time:    %.3f s = %.2f %% of the wall time (target under 3 %%)\n", d[2], d[2] / d[1] * 100
    printf "  through a USB adapter with a 16 ms latency timer (--latency 16):\n"
    printf "  wall time:   %.3f s = %.3f x the time without it (target at most 1.1)\n", l[1], l[1] / d[1]
    printf "  CPU time:    %.3f s = %.2f %% of the wall time (target under 2 %%)\n", l[2], l[2] / l[1] * 100
  }'
}

uploads=() downloads=() late_uploads=() late_downloads=() traced=()
for _ in $(seq "$runs"); do
  rm -f "$work/upload.trn" "$work/late-upload.trn"
  uploads+=("$(one_transfer upload "$work/upload.trn" "")")
  # The image just read goes back after an edit (an image the radio holds already is not written).
  "$cli" set "$work/upload.trn" "$work/edited.trn" common.lcd_contrast=1 common.dimmer=LV1 >/dev/null
  downloads+=("$(one_transfer download "$work/edited.trn" "" --yes --no-backup)")
  late_uploads+=("$(one_transfer upload "$work/late-upload.trn" "--latency 16")")
  late_downloads+=("$(one_transfer download "$work/edited.trn" "--latency 16" --yes --no-backup)")
  traced+=("$(one_transfer download "$work/edited.trn" "" --yes --no-backup --trace "$work/trace.txt")")
done
report "upload (read the radio)" "$read_waits_ms" "$runs" "$(median "${uploads[@]}")" "$(median "${late_uploads[@]}")"
report "download (read and preview, read, merge, write the radio)" "$((2 * read_waits_ms + write_waits_ms))" \
  "$runs" "$(median "${downloads[@]}")" "$(median "${late_downloads[@]}")"
awk -v d="$(median "${downloads[@]}")" -v t="$(median "${traced[@]}")" 'BEGIN {
  split(d, a, " "); split(t, b, " ")
  printf "download with --trace: wall time %.3f s = %.3f x the time without it, CPU %.3f s\n", b[1], b[1] / a[1], b[2]
}'
