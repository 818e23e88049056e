#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the normal build, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build. GUI tests run under Xvfb.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash scripts/install-deps.sh
run_suite() {
  local dir=$1; shift
  bash scripts/build.sh "$dir" "$@"
  (cd "$dir" && xvfb-run -a -s '-screen 0 1600x1200x24' ctest --output-on-failure --timeout 900 -j2)
}
run_suite build
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_suite build-asan -DZENTROLA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
# Each fuzzer once over its corpus, then a few seconds of fuzzing.
bash scripts/fuzz.sh --ci
