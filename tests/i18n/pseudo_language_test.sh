#!/usr/bin/env bash
# Builds a pseudo-language catalogue that wraps every marked text in ⟦ ⟧ and runs both
# programs' help in it: any English left outside ⟦ ⟧ was never marked for translation.
# The same catalogue must keep every message's markup, accelerators and menu path.
#   pseudo_language_test.sh <tarvenn.pot> <tarvenn> <tarvenn-engine>
set -u
pot=$1 tarvenn=$2 engine=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

. "$here/pseudo_locale.sh"
pseudo_locale "$pot"
python3 "$here/check_catalogue.py" "$work/xx.po" || fail "the pseudo catalogue loses markup"
export TARVENN_LOCALEDIR=$work/locale LANGUAGE=xx

# Prints what of stdin lies outside ⟦ ⟧ and is not the command list's first column.
unmarked() {
  python3 -c '
import re, sys
text = re.sub(r"⟦.*?⟧", "", sys.stdin.read(), flags=re.S)
text = re.sub(r"(?m)^  [a-z]+ ", "", text)
print(" ".join(w for w in re.findall(r"[A-Za-z][A-Za-z'"'"']+", text)))'
}

outputs=("tarvenn --help" "tarvenn-engine --help")
for command in $("$engine" --help | sed -n 's/^  \([a-z]*\) .*/\1/p'); do outputs+=("tarvenn-engine $command --help"); done
[ ${#outputs[@]} -gt 5 ] || fail "the engine tool lists no commands"
for run in "${outputs[@]}"; do
  program=$tarvenn
  [ "${run%% *}" = tarvenn-engine ] && program=$engine
  text=$("$program" ${run#* } 2>&1)
  grep -q '⟦' <<<"$text" || fail "$run: nothing translated"
  left=$(unmarked <<<"$text")
  [ -z "$left" ] || fail "$run: unmarked English: $left"
done
# What scripts read never changes with the language.
[ "$("$engine" moves)" = "$(LANGUAGE= LC_ALL=C "$engine" moves)" ] || fail "the move list changed with the language"
[ "$("$tarvenn" --version)" = "$(LANGUAGE= LC_ALL=C "$tarvenn" --version)" ] || fail "--version changed with the language"
echo "PASS: ${#outputs[@]} helps are wholly marked"
