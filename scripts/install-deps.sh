#!/usr/bin/env bash
# Installs the Debian packages the project needs. Idempotent; run as root.
set -euo pipefail
PACKAGES=(
  cmake g++ make ninja-build pkg-config dpkg-dev
  libwxgtk3.2-dev
  libgtest-dev googletest
  xvfb xauth x11-utils imagemagick
  clang-14 libclang-rt-14-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
