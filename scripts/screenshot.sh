#!/usr/bin/env bash
# Starts the editor under a private Xvfb and saves a screenshot of the screen.
# Usage: screenshot.sh OUT.png [PROGRAM.zolp]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/build/screenshot.png}
prog=${2:-}
xvfb-run -a -s '-screen 0 1600x1200x24' bash -c '
  "$0" ${1:+"$1"} & pid=$!
  for i in $(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"Zentrola\"" && break
    sleep 0.1
  done
  sleep 1
  import -window root "$2"
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
' "${ZENTROLA_BIN:-$here/build/zentrola}" "$prog" "$out"
echo "$out"
