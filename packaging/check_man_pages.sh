#!/usr/bin/env bash
# The manual pages against the programs: lunisol(1) lists under OPTIONS every
# option `lunisol --help` shows and no other; both pages render with man
# without a warning.
#   check_man_pages.sh LUNISOL lunisol.1 lunisol-cli.1
set -euo pipefail
lunisol=$1 page=$2 cli_page=$3
status=0

# "--date", "-h", … from the option column of the help.
help_options=$("$lunisol" --help | grep -E '^  +-' | grep -oE '(^|[ ,])--?[a-zA-Z][a-zA-Z-]*' | tr -d ' ,' | sort -u)
# The same from the tags of the OPTIONS section of the page.
page_options=$(awk '/^\.SH /{in_options = ($2 == "OPTIONS")} in_options && prev == ".TP" {print} {prev = $0}' "$page" |
  sed 's/\\-/-/g' | grep -oE '\\fB--?[a-zA-Z][a-zA-Z-]*' | sed 's/^\\fB//' | sort -u)
if [ -z "$help_options" ] || [ -z "$page_options" ]; then
  echo "no options read from lunisol --help or from $page"
  exit 1
fi
missing=$(comm -23 <(echo "$help_options") <(echo "$page_options"))
extra=$(comm -13 <(echo "$help_options") <(echo "$page_options"))
if [ -n "$missing" ]; then
  echo "lunisol --help shows options that $page does not list under OPTIONS:" $missing
  status=1
fi
if [ -n "$extra" ]; then
  echo "$page lists options that lunisol --help does not show:" $extra
  status=1
fi

if ! command -v man > /dev/null; then
  echo "man not found: install man-db"
  exit 1
fi
for p in "$page" "$cli_page"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$p" 2>&1 > /dev/null) || status=1
  if [ -n "$warnings" ]; then
    echo "man -l $p:"
    echo "$warnings"
    status=1
  fi
done
exit $status
