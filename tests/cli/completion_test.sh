#!/usr/bin/env bash
# lunisol-cli's bash completion, as bash calls it: the words before the
# cursor in COMP_WORDS, the answer in COMPREPLY.
#   completion_test.sh lunisol-cli.bash
set -uo pipefail
source "$1"
failures=0

# expect "WORDS BEFORE THE CURSOR|CURRENT WORD" "EXPECTED REPLIES (sorted, space-separated)"
expect() {
  local before=${1%|*} current=${1##*|}
  read -ra COMP_WORDS <<< "lunisol-cli $before"
  COMP_WORDS+=("$current")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _lunisol_cli 2> /dev/null
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//')
  if [ "$got" != "$2" ]; then
    echo "lunisol-cli $before [$current]: got '$got', expected '$2'"
    failures=$((failures + 1))
  fi
}

expect "|ch" "chart choose"
expect "|--v" "--version"
expect "help|ca" "cal"
expect "help cal|" ""
expect "choose|嫁" "嫁娶"
expect "choose|入" "入學 入宅 入殮"                     # almanac words and a book name
expect "choose 嫁娶|" ""                               # FROM: a date, nothing to offer
expect "choose 嫁娶 2026-01-01 2026-12-31|--b" "--best-first --birth --birth-year"
expect "choose --birth-year|19" ""
expect "choose --birth-year 1990|祈" "祈福"             # the option's value is no word of the form
expect "choose --|-" ""                                # after "--" no option
expect "chart 2000-08-16 2|" "女 男"
expect "chart --today 2025-06-01 2000-08-16 2|" "女 男"
expect "convert|-" "--help --lunar -o"
expect "convert --lunar 2009 -5|" ""                   # -5 is a leap month, not an option
expect "cal|--c" "--color"
expect "cal --color|a" "always auto"
expect "cal|--color=n" "--color=never"
expect "cal --color =|a" "always auto"                 # "--color=a" as bash splits it at "="
expect "cal --color|=" "=always =auto =never"
expect "ical 2026 --include|lunar,te" "lunar,terms"
expect "ical 2026 --include|" "deities festivals lunar phases terms yiji"
expect "ical 2026|--include=p" "--include=phases"
expect "ical 2026 --include lunar|" ""                 # TO_YEAR

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
touch "$dir/out.json" "$dir/other"
expect "day 2009-05-26 -o|$dir/ou" "$dir/out.json"

if [ "$failures" -ne 0 ]; then
  echo "$failures completions wrong"
  exit 1
fi
echo "every completion as expected"
