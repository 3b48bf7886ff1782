#!/usr/bin/env bash
# Runs window_texts in a pseudo language that wraps every marked message in ⟦ ⟧: any English
# left outside ⟦ ⟧ in the window or its dialogs was never marked for translation. The menus
# keep their depth, markup, accelerators and keys in it and in every shipped language.
#   window_texts_test.sh <tarvenn.pot> <window_texts> <build tree's locale folder>
set -u
pot=$1 texts=$2 built=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

[ -n "${DISPLAY:-}" ] || { echo "no X server"; exit 77; }
. "$here/../i18n/pseudo_locale.sh"
pseudo_locale "$pot"

english=$(LANGUAGE=en TARVENN_LOCALEDIR=$work/locale "$texts" menu-shape) || fail "no English menus"
[ -n "$english" ] || fail "no menu items"
for language in xx pt_BR ru; do
  folder=$built
  [ $language = xx ] && folder=$work/locale
  shape=$(LANGUAGE=$language TARVENN_LOCALEDIR=$folder "$texts" menu-shape) || fail "$language: no menus"
  [ "$shape" = "$english" ] || fail "$language changes the menus: $(diff <(echo "$english") <(echo "$shape"))"
done
LANGUAGE=xx TARVENN_LOCALEDIR=$work/locale "$texts" || fail "texts not marked for translation"

# The check finds faults: a message the catalogue leaves in English shows as unmarked, and a
# menu path that loses its leading markup moves the item out of its menu.
python3 - "$work/xx.po" <<'PY' || fail "no broken catalogue"
import sys
path = sys.argv[1]
text = open(path, encoding='utf-8').read()
for wrapped, broken in (('msgstr "⟦Review⟧"', 'msgstr "Review"'),
                        ('msgstr "@wc ⟦&Game⟧/⟦&Open game...⟧"', 'msgstr "⟦&Game⟧/⟦&Open game...⟧"')):
    if wrapped not in text:
        sys.exit('not in the catalogue: ' + wrapped)
    text = text.replace(wrapped, broken)
open(path, 'w', encoding='utf-8').write(text)
PY
msgfmt -o "$work/locale/xx/LC_MESSAGES/tarvenn.mo" "$work/xx.po" || fail "msgfmt"
found=$(LANGUAGE=xx TARVENN_LOCALEDIR=$work/locale "$texts")
[ $? = 1 ] && grep -q '"Review"' <<<"$found" || fail "an unmarked text was not found: $found"
shape=$(LANGUAGE=xx TARVENN_LOCALEDIR=$work/locale "$texts" menu-shape)
[ "$shape" != "$english" ] || fail "a menu item that left its menu was not found"
echo "PASS: every window text is marked, every language keeps the menus"
