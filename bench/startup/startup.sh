#!/usr/bin/env bash
# Start-up of the desktop program: time from process start to the main window shown (painted), and
# resident memory at that moment, with the built-in default image. Runs under Xvfb unless a display
# is given. Usage: bench/startup/startup.sh [RUNS]   (default 10; build first with scripts/build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tarn=$root/build/bin/tarn
runs=${1:-10}
[ -x "$tarn" ] || { echo "build first: scripts/build" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# The COM port is left to the KLU-40 type, so no port is opened and no message waits for an answer.
printf '[Initialize]\nPORT_TYPE=1\n' > TarnWin.ini

measure() {
  local start out shown rss
  start=$(date +%s%N)
  out=$("$tarn" --quit-when-shown 2>/dev/null)
  shown=${out#*shown_at_ns=}; shown=${shown%% *}
  rss=${out#*rss_kb=}
  echo "$(( (shown - start) / 1000000 )) $rss"
}

run_all() {
  "$tarn" --quit-when-shown >/dev/null 2>&1  # warm the file cache once
  for _ in $(seq "$runs"); do measure; done
}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$root/bench/startup/startup.sh" "$@"
fi
results=$(run_all)

echo "$results" | sort -n | awk -v runs="$runs" '
  { ms[NR] = $1; rss[NR] = $2 }
  END {
    median = ms[int((NR + 1) / 2)]
    maxrss = 0; for (i = 1; i <= NR; i++) if (rss[i] > maxrss) maxrss = rss[i]
    printf "runs: %d\nstart to main window shown: median %d ms, min %d ms, max %d ms (target < 400 ms)\n", NR, median, ms[1], ms[NR]
    printf "resident memory after start: %.1f MB at most (target < 80 MB)\n", maxrss / 1024
  }'
