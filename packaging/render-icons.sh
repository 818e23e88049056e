#!/usr/bin/env bash
# Renders the installed icons from their sources:
#   16 and 32 pixels: the window icon itself (resources/aaicon16.xpm, aaicon32.xpm);
#   48 to 256 pixels: packaging/icons/zentrola.svg, the same drawing on a finer grid;
#   program-file icon: packaging/icons/zentrola-document.svg at every size;
# and the guide's cover picture docs/images/zentrola-icon.png.
# Needs imagemagick and librsvg2-bin. The results are kept in the repository,
# so building and installing never needs these tools.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
icons="$here/packaging/icons"
out="$icons/hicolor"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing: apt-get install librsvg2-bin" >&2; exit 1; }
command -v convert >/dev/null || { echo "convert missing: apt-get install imagemagick" >&2; exit 1; }

for size in 16 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}/apps" "$out/${size}x${size}/mimetypes"
  app="$out/${size}x${size}/apps/zentrola.png"
  case $size in
    16|32) convert "$here/resources/aaicon${size}.xpm" -strip "PNG32:$app" ;;
    *)     rsvg-convert -w "$size" -h "$size" "$icons/zentrola.svg" -o "$app" ;;
  esac
  rsvg-convert -w "$size" -h "$size" "$icons/zentrola-document.svg" \
    -o "$out/${size}x${size}/mimetypes/application-x-zentrola-program.png"
done
mkdir -p "$here/docs/images"
cp "$out/256x256/apps/zentrola.png" "$here/docs/images/zentrola-icon.png"
find "$out" -name '*.png' | sort
