#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs them.
#
#   scripts/fuzz.sh TARGET SECONDS   fuzz one target for SECONDS
#   scripts/fuzz.sh --ci             every target over its corpus, then a few
#                                    seconds of fuzzing each (under a minute)
#   scripts/fuzz.sh --list           the targets
#
# Seeds and kept crash inputs are in fuzz/corpus/TARGET (read only here). New
# inputs go to build-fuzz-clang/corpus/TARGET, crash inputs to
# build-fuzz-clang/crashes/TARGET/. A crash or a broken property ends the run
# with a non-zero status. Extra libFuzzer options may follow SECONDS.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-fuzz-clang"
targets=(program_file controller_reply read_program)

usage() {
  sed -n '4,8p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

build_fuzzers() {
  local cxx=${FUZZ_CXX:-}
  if [[ -z $cxx ]]; then
    for candidate in clang++ clang++-14; do
      if command -v "$candidate" >/dev/null; then cxx=$candidate; break; fi
    done
  fi
  if [[ -z $cxx ]]; then
    echo "fuzz.sh: clang++ not found (Debian: apt-get install clang-14 libclang-rt-14-dev)" >&2
    exit 1
  fi
  cmake -S "$here/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j2
}

run_target() {
  local target=$1; shift
  local work="$build/corpus/$target" crashes="$build/crashes/$target/"
  local seeds="$here/fuzz/corpus/$target" dict="$here/fuzz/$target.dict"
  mkdir -p "$work" "$crashes"
  local options=(-artifact_prefix="$crashes" -print_final_stats=1)
  [[ -f $dict ]] && options+=(-dict="$dict")
  "$build/fuzz_$target" "${options[@]}" "$@" "$work" "$seeds"
}

is_target() {
  local t
  for t in "${targets[@]}"; do [[ $t == "$1" ]] && return 0; done
  return 1
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

case ${1:-} in
  --list)
    printf '%s\n' "${targets[@]}"
    ;;
  --ci)
    build_fuzzers
    for target in "${targets[@]}"; do
      echo "== $target: corpus"
      "$build/fuzz_$target" -runs=0 "$here/fuzz/corpus/$target"
    done
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir -p "$build/crashes"
    for target in "${targets[@]}"; do
      echo "== $target: 10 s"
      mkdir "$scratch/$target"
      "$build/fuzz_$target" -max_total_time=10 -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$target-" -dict="$here/fuzz/$target.dict" \
        "$scratch/$target" "$here/fuzz/corpus/$target"
    done
    ;;
  -h|--help|'')
    usage
    ;;
  *)
    target=$1
    seconds=${2:-}
    is_target "$target" || { echo "fuzz.sh: unknown target '$target'" >&2; usage; }
    [[ $seconds =~ ^[0-9]+$ ]] || usage
    shift 2
    build_fuzzers
    run_target "$target" -max_total_time="$seconds" "$@"
    ;;
esac
