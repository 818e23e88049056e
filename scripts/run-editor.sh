#!/usr/bin/env bash
# Installs what is needed, builds, starts the simulated controller and then the
# editor with the example program, so writing, reading, testing and learning
# work without hardware. Without a display the editor runs under Xvfb and a
# screenshot is saved to build/screenshot.png.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash scripts/install-deps.sh
bash scripts/build.sh build
example="$here/examples/ejemplo.zolp"

./build/zentrola-sim --erase-delay 2000 > build/sim.log 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null || true; wait $sim 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do [ -s build/sim.log ] && break; sleep 0.1; done
echo "Simulated controller: $(head -n 1 build/sim.log)"

if [ -n "${DISPLAY:-}" ]; then
  ./build/zentrola "$example"
else
  bash scripts/screenshot.sh "$here/build/screenshot.png" "$example"
  echo "No display: the window was drawn under Xvfb; screenshot in build/screenshot.png"
fi
