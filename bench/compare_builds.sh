#!/usr/bin/env bash
# Runs a fixed list of tarvenn-engine commands with two builds and shows where their outputs
# differ: perft, divide, moves, pdn, probe, search and tune byte for byte; think and play with
# their time fields masked (their depths follow the clock, so a busy machine may still move them:
# compare a build with itself to see how much).
#   bash bench/compare_builds.sh OLD_TOOL NEW_TOOL
# Both tools read the book and the database from the data folder (XDG_DATA_HOME/tarvenn).
set -uo pipefail
old=$(realpath "${1:?old tarvenn-engine}")
new=$(realpath "${2:?new tarvenn-engine}")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cat >"$scratch/games.pdn" <<'PDN'
[Event "Fixed"]
[White "One"]
[Black "Two"]
[Result "*"]
1. 22-18 11-15 2. 18x11 8x15 3. 21-17 4-8 4. 17-13 9-14 *

[Event "Second"]
[White "Three"]
[Black "Four"]
[Result "1-0"]
1. 24-20 12-16 2. 23-19 16x23 3. 27x18 1-0
PDN

positions=(
  "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12"
  "W:W13,22,23,26,27,29,31,32:B1,3,4,5,6,12,14,15"
  "W:W17,18,19,21,23,25,29,30:B1,3,4,8,9,10,12,14"
  "B:W13,19,22,24,26,27,29,30,31:B1,2,3,5,6,9,10,12,20"
  "W:W17,21,22,23,25,26,27,29,30,31:B1,2,3,5,6,7,9,10,11,14"
  "B:WK5,18,22,25,26,29,31:B3,7,11,12,K28"
)
endings=("W:WK29,K30:B1" "B:WK29,K30:B1" "W:W21,K30:BK4" "W:W25:B5,K30" "B:WK10,18:BK1,28")

commands=()
for fen in "${positions[@]}"; do
  commands+=("perft --fen $fen 6" "divide --fen $fen 5" "moves --fen $fen")
  commands+=("search --fen $fen --depth 9" "search --fen $fen --depth 11 --engine strong")
  commands+=("search --fen $fen --depth 7 --engine beginner" "search --fen $fen --depth 9 --engine casual")
  commands+=("think --fen $fen --time 0.3" "think --fen $fen --time 0.3 --engine strong")
done
for fen in "${endings[@]}"; do
  commands+=("probe --fen $fen" "moves --fen $fen" "search --fen $fen --depth 12" "search --fen $fen --depth 14 --engine strong")
  commands+=("think --fen $fen --time 0.2" "think --fen $fen --time 0.2 --engine expert")
done
commands+=("perft 9" "pdn $scratch/games.pdn" "pdn /nonexistent.pdn" "search --depth 0" "think --time x")
commands+=("play --time 0.02 --games 2" "play --time 0.02 --games 1 --engine strong")
commands+=("tune --games 16 --depth 4 --epochs 20 --endgame 200 --out $scratch/weights.h")

# Time fields: "time 1.02s", "time 0.123" and the thinking time of a whole game's lines.
mask() { sed -E 's/time [0-9]+\.[0-9]+s?/time T/g; s/[0-9]+\.[0-9]+ s$/T s/; s/[0-9]+\.[0-9]+ s,/T s,/g; s/nps [0-9.]+/nps N/g'; }

same=0 differ=0
for command in "${commands[@]}"; do
  # shellcheck disable=SC2086
  a=$(cd "$scratch" && "$old" $command 2>&1; echo "status $?")
  # shellcheck disable=SC2086
  b=$(cd "$scratch" && "$new" $command 2>&1; echo "status $?")
  if [ "$(mask <<<"$a")" == "$(mask <<<"$b")" ]; then
    same=$((same + 1))
  else
    differ=$((differ + 1))
    echo "== differs: $command"
    diff <(mask <<<"$a") <(mask <<<"$b") | head -20
  fi
done
echo "$same commands alike, $differ differ"
[ "$differ" -eq 0 ]
