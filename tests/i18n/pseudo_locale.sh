# Sourced by the pseudo-language tests, which define `work` and `fail`. pseudo_locale POT
# builds $work/locale/xx, where every message of POT is wrapped in ⟦ ⟧; chooses an installed
# UTF-8 locale for LC_ALL, since gettext follows LANGUAGE only outside the C locale (none:
# the test is skipped); and gives the programs an empty home, so that no settings file
# chooses a language or a board.
pseudo_locale() {
  local pot=$1 helpers
  helpers=$(dirname "${BASH_SOURCE[0]}")
  python3 "$helpers/pseudo_catalogue.py" "$pot" "$work/xx.po" || fail "no pseudo catalogue"
  mkdir -p "$work/locale/xx/LC_MESSAGES"
  msgfmt -o "$work/locale/xx/LC_MESSAGES/tarvenn.mo" "$work/xx.po" || fail "msgfmt"
  local base
  base=$(locale -a 2>/dev/null | grep -iE '^(pt_BR|ru_RU|en_US|C)\.utf-?8$' | head -1)
  [ -n "$base" ] || { echo "no UTF-8 locale"; exit 77; }
  export LC_ALL=$base
  unset XDG_CONFIG_HOME
  export HOME=$work
}
