#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game in data/, where its
# opening book and end-game database live. The first run computes the 4-piece database.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
mkdir -p data
cp -n book/white.ouv book/black.ouv data/ 2>/dev/null || true
cd data
if [ ! -s enddb4.bin ]; then
  echo "First run: computing the end-game database for up to 4 pieces..."
  ../build/app/tarvenn -e 4
fi
exec ../build/app/tarvenn
