#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and play (run as root),
# and the further packages named as arguments.
set -euo pipefail
packages=(g++ cmake make libgtest-dev libfltk1.3-dev fluid
          xvfb xdotool libxtst-dev x11-apps x11-utils imagemagick fonts-dejavu-core xclip
          desktop-file-utils appstream gettext locales python3 libcairo2-dev libcanberra-dev "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# The window tests run in Brazilian Portuguese and Russian as well.
generate=false
for l in pt_BR ru_RU; do
  locale -a 2>/dev/null | grep -qi "^$l.utf-\?8$" && continue
  sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
  grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" >> /etc/locale.gen
  generate=true
done
if $generate; then locale-gen >/dev/null; fi
