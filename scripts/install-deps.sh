#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and play (run as root),
# and the further packages named as arguments.
set -euo pipefail
packages=(g++ cmake make libgtest-dev libfltk1.3-dev fluid
          xvfb xdotool libxtst-dev x11-apps x11-utils imagemagick fonts-dejavu-core xclip
          desktop-file-utils appstream "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
