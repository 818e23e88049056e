#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: each fuzzer briefly over
# its corpus, then the normal build's suite, then the AddressSanitizer +
# UndefinedBehaviorSanitizer build's suite. GUI tests run under Xvfb.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash scripts/install-deps.sh
run_suite() {
  local dir=$1; shift
  bash scripts/build.sh "$dir" "$@"
  (cd "$dir" && xvfb-run -a -s '-screen 0 1600x1200x24' ctest --output-on-failure --timeout 900 -j2)
}
bash scripts/fuzz.sh --ci
run_suite build
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_suite build-asan -DZENTROLA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
