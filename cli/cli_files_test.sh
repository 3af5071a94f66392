#!/usr/bin/env bash
# lunisol-cli with the bytes and files a shell hands it: words that are not
# UTF-8, and -o FILE, which replaces FILE only once the whole output is
# written and never replaces what is not a regular file.
#   cli_files_test.sh path/to/lunisol-cli
set -u
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export XDG_DATA_HOME="$work"
fail() { echo "FAIL: $*"; exit 1; }

# Expects exit status $1 from the rest, and one line on stderr naming $2.
expect() {
  local status=$1 names=$2
  shift 2
  "$cli" "$@" > out 2> err
  local got=$?
  [ "$got" -eq "$status" ] || fail "$* exited $got, expected $status: $(cat err)"
  [ "$(wc -l < err)" -eq 1 ] || fail "$*: expected one line on stderr, got: $(cat err)"
  grep -qF -- "$names" err || fail "$*: the message does not name '$names': $(cat err)"
}

# Words that are not UTF-8 are refused, shown escaped.
expect 2 "ACTIVITY '\\xB0\\xEA' is not valid UTF-8" choose $'\xb0\xea' 2026-01-01 2026-01-31
expect 2 "SEX '\\xFF' is not valid UTF-8" chart 2000-08-16 2 $'\xff'
expect 2 "unknown option '--\\xFF'" day 2009-05-26 $'--\xff'

# A new file and a replaced one hold exactly what standard output would;
# the replaced one keeps its permissions. A file name need not be UTF-8.
"$cli" ical 2026 > expected.ics || fail "ical 2026"
big5=$(printf '\xb0\xea.ics')
"$cli" ical 2026 -o "$big5" || fail "-o under a Big5 name"
cmp -s expected.ics "$big5" || fail "the Big5-named file differs from standard output"
echo old > kept.ics
chmod 640 kept.ics
"$cli" ical 2026 -o kept.ics || fail "-o over an old file"
cmp -s expected.ics kept.ics || fail "the replaced file differs from standard output"
[ "$(stat -c %a kept.ics)" = 640 ] || fail "the replaced file lost its permissions"

# A write that fails part way (a file-size limit stands in for a full disk)
# leaves the old file whole, names the file and the reason, and exits 1;
# so does a folder that cannot take the file.
cp kept.ics before.ics
(trap "" XFSZ; ulimit -f 8; "$cli" ical 2026 --include lunar,yiji -o kept.ics 2> err) && fail "a write past the limit succeeded"
[ $? -eq 1 ] || fail "a failed write did not exit 1"
cmp -s before.ics kept.ics || fail "the old file was damaged by a failed write"
grep -qF "cannot write 'kept.ics': File too large (the file was left as it was)" err || fail "message: $(cat err)"
expect 1 "cannot write 'nowhere/x.ics': No such file or directory" ical 2026 -o nowhere/x.ics
# Arguments are refused before the file is touched.
expect 2 "YEAR '1899' is not a year 1900..2100" ical 1899 -o kept.ics
cmp -s before.ics kept.ics || fail "a refused command touched the file"
ls -A | grep -q '^\.lunisol-' && fail "a temporary file was left behind: $(ls -A)"

# A FIFO, a device or a folder is never replaced; a symbolic link is
# followed to the file it names, created if need be; a loop is refused.
mkfifo pipe
mkdir folder
for target in pipe folder /dev/full; do
  expect 1 "cannot write '$target': not a regular file" day 2009-05-26 -o "$target"
done
[ -p pipe ] || fail "the FIFO was replaced"
ln -s made.json link.json
"$cli" day 2009-05-26 -o link.json || fail "-o through a dangling link"
[ -L link.json ] && [ -s made.json ] || fail "the link was not followed: $(ls -l)"
ln -s loop-b loop-a
ln -s loop-a loop-b
expect 1 "cannot write 'loop-a': Too many levels of symbolic links" day 2009-05-26 -o loop-a

# Standard output that cannot be written is a failure too.
"$cli" day 2009-01-01 2009-12-31 > /dev/full 2> err && fail "output lost on /dev/full reported success"
grep -q "cannot write the output" err || fail "no message for lost output: $(cat err)"
echo "ok"
