#!/usr/bin/env bash
# Writes every lunisol-cli month (1900-01 .. 2100-12) and the hours, yearly,
# zodiac (each tab) and bone (子 and 午 hours) records for every day of 2009
# and 2033 into one folder, so two builds can be compared with `diff -r`.
# A refactor that changes none of what a user sees must leave no difference.
#   tools/snapshot_outputs.sh build/cli/lunisol-cli /tmp/before
set -euo pipefail
cli=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out/month" "$out/sheets"
# Run where no Farmer file can be found, so only built-in data counts.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_DATA_HOME="$work"
for y in $(seq 1900 2100); do
  for m in $(seq 1 12); do
    "$cli" month "$y" "$m" > "$out/month/$y-$(printf %02d "$m").json"
  done
done
for y in 2009 2033; do
  d="$y-01-01"
  while [ "${d:0:4}" = "$y" ]; do
    {
      "$cli" hours "$d"
      "$cli" yearly "$d"
      for tab in 0 1 2; do "$cli" zodiac "$d" "$tab"; done
      "$cli" bone "$d" 0
      "$cli" bone "$d" 6
    } > "$out/sheets/$d.json"
    d=$(date -u -d "$d + 1 day" +%F)
  done
done
echo "$(find "$out" -type f | wc -l) files in $out"
