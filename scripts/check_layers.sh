#!/bin/bash
# Fails when a source file includes from a layer above its own, or when FLTK is used below ui/.
# Layers from the bottom up; folders on one line sit side by side and do not include each other.
# Usage: scripts/check_layers.sh [source-root]
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

layers=(
  "i18n"
  "engine"
  "files"
  "pdn enddb book"
  "search"
  "player"
  "game"
  "ui/controller"
  "ui"
  "app"
  "tools bench"
)
exceptions=()  # "file:included" pairs allowed to run upward; none today

declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done
folders=()
for folder in "${!rank[@]}"; do
  [[ $folder == */* || ! -d $folder ]] || folders+=("$folder")
done

# The layer a path belongs to, in `layer`: ui/controller, or its first folder. Set in place,
# without a subshell, since it runs for every include of the tree.
layer_of() {
  case $1 in
    ui/controller/*) layer=ui/controller ;;
    *) layer=${1%%/*} ;;
  esac
}

faults=0
quoted='"([^"]+)"'
while IFS=: read -r file line text; do
  [[ $text =~ $quoted ]] || continue
  target=${BASH_REMATCH[1]}
  [[ $target == */* ]] || continue
  layer_of "$file"
  from=$layer
  layer_of "$target"
  to=$layer
  [[ -n ${rank[$to]:-} ]] || continue
  [[ $from == "$to" ]] && continue
  [[ " ${exceptions[*]} " == *" $file:$target "* ]] && continue
  if ((rank[$to] >= rank[$from])); then
    echo "$file:$line: includes $target from $to, which does not sit below $from"
    faults=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.h' --include='*.cpp' "${folders[@]}")

# Nothing below the window uses FLTK; the controller runs without a display.
while IFS= read -r use; do
  file=${use%%:*}
  layer_of "$file"
  if ((rank[$layer] < rank[ui])); then
    echo "$use: FLTK below ui/"
    faults=1
  fi
done < <(grep -rnE '#[[:space:]]*include[[:space:]]*<FL/' --include='*.h' --include='*.cpp' "${folders[@]}")

exit $faults
