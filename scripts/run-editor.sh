#!/usr/bin/env bash
# Installs what is needed, builds, and starts the editor with the example program.
# Without a display it runs under Xvfb and saves a screenshot to build/screenshot.png.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash scripts/install-deps.sh
bash scripts/build.sh build
example="$here/examples/ejemplo.zolp"
if [ -n "${DISPLAY:-}" ]; then
  exec ./build/zentrola "$example"
fi
bash scripts/screenshot.sh "$here/build/screenshot.png" "$example"
echo "No display: the window was drawn under Xvfb; screenshot in build/screenshot.png"
