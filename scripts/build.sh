#!/usr/bin/env bash
# Configures and builds into the given folder (default: build). Extra arguments go to cmake.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}; shift || true
cmake -S "$here" -B "$here/$dir" -G Ninja "$@"
cmake --build "$here/$dir"
