#!/usr/bin/env bash
# Plays 2,000 games at 0.01 s a move in the AddressSanitizer build, every level in at least
# two pairings, and writes the logs to bench/results/. A sanitizer report ends the tool with
# an error, so a pairing without its summary line failed. Needs the 4-piece database in the
# data folder (tarvenn -e 4).
#   bash bench/sanitizer_games.sh [BUILD_DIR]    (default build-asan, built here if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-asan}
[ -x "$dir/tools/tarvenn-engine" ] ||
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTARVENN_SANITIZE=address >/dev/null
cmake --build "$dir" -j"$(nproc)" --target tarvenn-engine >/dev/null
tool=$(realpath "$dir/tools/tarvenn-engine")
openings=$(realpath book/openings.txt)
log=$(realpath bench/results)/sanitizer-games-0.01s.txt
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

pairings=("strong classic" "beginner casual" "casual classic" "expert strong" "beginner expert")
status=0
{
  echo "# 2000 games at 0.01 s a move, AddressSanitizer build ($dir), build $(git rev-parse --short HEAD 2>/dev/null)"
  echo "# $(date -u +%FT%TZ), $(nproc) cores shared"
  for pair in "${pairings[@]}"; do
    set -- $pair
    start=$(date +%s)
    echo "# command: tarvenn-engine match --white $1 --black $2 --time 0.01 --games 400"
    (cd "$scratch" && ASAN_OPTIONS=detect_leaks=1 "$tool" match --white "$1" --black "$2" --time 0.01 --games 400 \
      --openings "$openings") 2>&1 || { echo "# FAILED with status $?"; status=1; }
    echo "# wall time $(( $(date +%s) - start )) s"
  done
} >"$log"
grep -E "^match|^score|FAILED|ERROR" "$log"
exit $status
