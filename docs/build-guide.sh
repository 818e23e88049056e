#!/usr/bin/env bash
# Builds the user guide docs/Zentrola.pdf from docs/Zentrola.rst with rst2pdf.
#
#   bash docs/build-guide.sh                      PDF from the pictures in docs/images
#   bash docs/build-guide.sh --screenshots build  first new pictures of the windows of
#                                                 build/zentrola (and build/zentrola-sim)
#   bash docs/build-guide.sh ... OUT.pdf          write elsewhere than docs/Zentrola.pdf
#
# Needs rst2pdf (Debian package rst2pdf); the screenshots need what
# scripts/guide-screenshots.sh lists.
set -euo pipefail
docs=$(cd "$(dirname "$0")" && pwd)
here=$(dirname "$docs")
out="$docs/Zentrola.pdf"
build=""
while [ $# -gt 0 ]; do
  case $1 in
    --screenshots) build=${2:?--screenshots needs the build folder}; shift 2 ;;
    -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
    *) out=$1; shift ;;
  esac
done

if [ -n "$build" ]; then
  case $build in /*) ;; *) build="$here/$build" ;; esac
  sim=""
  [ -x "$build/zentrola-sim" ] && sim="$build/zentrola-sim"
  bash "$here/scripts/guide-screenshots.sh" "$build/zentrola" "$docs/images" $sim
fi

rst2pdf=${RST2PDF:-$(command -v rst2pdf || true)}
if [ -z "$rst2pdf" ] || [ ! -x "$rst2pdf" ]; then
  echo "rst2pdf is missing: apt-get install rst2pdf" >&2
  exit 1
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
cd "$docs"
"$rst2pdf" --stylesheets=zentrola-guide.yaml --language=es --compressed \
  Zentrola.rst -o "$out.tmp" 2>"$log" || { cat "$log" >&2; rm -f "$out.tmp"; exit 1; }
# rst2pdf reports a missing picture or a broken directive and still writes a PDF.
if grep -E '\[(ERROR|CRITICAL)\]' "$log" >&2; then
  rm -f "$out.tmp"
  exit 1
fi
mv "$out.tmp" "$out"
echo "$out"
