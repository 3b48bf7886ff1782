#!/usr/bin/env bash
# Plays the level matches whose figures the project keeps and writes each log to
# bench/results/: strong against classic at the same time and at a tenth of its time, and
# each level against the next. Needs a built tarvenn-engine and the 4-piece database in the
# data folder (tarvenn -e 4). Takes about an hour on two cores. The two draw-rule matches run
# only when named.
#   bash bench/matches.sh [TOOL] [NAME...]    (TOOL default build/tools/tarvenn-engine)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$(realpath "${1:-build/tools/tarvenn-engine}")
shift || true
openings=$(realpath book/openings.txt)
results=$(realpath bench/results)
revision=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)
scratch=$(mktemp -d)  # no enddb files here: the tool reads the data folder's
trap 'rm -rf "$scratch"' EXIT

declare -A matches=(
  [strong-classic-0.1s]="--white strong --black classic --time 0.1 --games 320"
  [strong0.1-classic1s]="--white strong:0.1 --black classic:1 --games 100"
  [beginner-casual-0.1s]="--white beginner --black casual --time 0.1 --games 100"
  [casual-classic-0.1s]="--white casual --black classic --time 0.1 --games 100"
  # What the draw rules change: run these two at the same time (same load), one per call.
  [strong-classic-0.1s-draw-rules]="--white strong --black classic --time 0.1 --games 320 --no-draw-offers"
  [strong-classic-0.1s-no-draw-rules]="--white strong --black classic --time 0.1 --games 320 --no-draw-offers --no-draw-rules"
)
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(strong-classic-0.1s strong0.1-classic1s beginner-casual-0.1s casual-classic-0.1s)
for name in "${names[@]}"; do
  arguments=${matches[$name]:?unknown match $name}
  log=$results/match-$name.txt
  echo "== $name -> $log"
  start=$(date +%s)
  {
    echo "# command: tarvenn-engine match $arguments --openings book/openings.txt --threads 2"
    echo "# build $revision, $(date -u +%FT%TZ), $(nproc) cores shared, data folder with enddb1-4"
    (cd "$scratch" && "$tool" match $arguments --openings "$openings" --threads 2)
    echo "# wall time $(( $(date +%s) - start )) s"
  } >"$log"
  tail -3 "$log"
done
