#!/usr/bin/env bash
# lunisol's command line as a user meets it: help without a display, bad
# sizes refused, --grab writing whole files under the exact name given and
# never destroying an existing one.
set -u
app=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# No display at all: --help and --version still answer.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" --help 2>&1) || fail "--help exited $?"
grep -q -- "--grab" <<<"$out" || fail "--help did not list the options"
grep -q -- "--page" <<<"$out" || fail "--help did not list --page"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" --version 2>&1) || fail "--version exited $?"
grep -q "lunisol" <<<"$out" || fail "--version said: $out"

# Bad options are told without a display too: status 2 and one line.
for bad in "--bogus" "--date 2009-13-01" "--date yesterday" "stray"; do
  # shellcheck disable=SC2086
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" $bad 2>"$work/err" && fail "$bad was accepted"
  status=$?
  [ $status -eq 2 ] || fail "$bad without a display exited $status: $(cat "$work/err")"
  [ "$(grep -c '^lunisol: ' "$work/err")" -eq 1 ] || fail "$bad: no one-line message: $(cat "$work/err")"
done

export QT_QPA_PLATFORM=offscreen
# Without a Chinese face (no font at all, or Latin ones only) a picture is
# still made, and stderr says what to install.
printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s/fc</cachedir></fontconfig>\n' "$work" >"$work/none.conf"
liberation=/usr/share/fonts/truetype/liberation2  # fonts-liberation2
printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s/fc</cachedir></fontconfig>\n' \
  "$liberation" "$work" >"$work/latin.conf"
for conf in none latin; do
  FONTCONFIG_FILE="$work/$conf.conf" "$app" --date 2009-05-26 --grab "$work/boxes.png" --size 1024x768 2>"$work/err" \
    || fail "grab without a Chinese face ($conf)"
  grep -q "fonts-noto-cjk" "$work/err" || fail "no word of the font to install ($conf): $(cat "$work/err")"
  grep -q "No Traditional-Chinese font" "$work/err" || fail "the warning is not in English too ($conf)"
  [ -s "$work/boxes.png" ] || fail "no picture without a Chinese face ($conf)"
done
"$app" --date 2009-05-26 --grab "$work/boxes.png" --size 1024x768 2>"$work/err"
grep -q "fonts-noto-cjk" "$work/err" && fail "a font warning with the faces installed"
rm -rf "$work"/boxes.png "$work/err" "$work"/*.conf "$work/fc"

for size in 99999x99999 100x100 1280x 12800x800; do
  "$app" --grab "$work/x.png" --size "$size" 2>/dev/null && fail "--size $size was accepted"
  [ $? -eq 2 ] || fail "--size $size did not exit with status 2"
done
"$app" --grab "$work/x.png" --available 1400x900 2>/dev/null && fail "--available larger than the screen was accepted"
"$app" --grab "$work/x.png" --zoom 130 2>/dev/null && fail "--zoom 130 was accepted"

# A name that is not UTF-8 is used byte for byte.
name=$(printf 'page-\xb0\xea.png')
"$app" --date 2009-05-26 --grab "$work/$name" --size 1024x768 2>/dev/null || fail "grab under a Big5 name"
[ -f "$work/$name" ] || fail "the Big5-named file is missing: $(ls "$work")"
[ "$(ls -A "$work" | wc -l)" -eq 1 ] || fail "stray files: $(ls -A "$work")"

# A failing write (a file-size limit stands in for a full disk) leaves the
# old file whole and says so.
cp "$work/$name" "$work/old.png"
before=$(md5sum < "$work/old.png")
( trap "" XFSZ; ulimit -f 8; "$app" --date 2010-01-01 --grab "$work/old.png" --size 1024x768 2>"$work/err" ) && fail "a write past the limit succeeded"
[ "$(md5sum < "$work/old.png")" = "$before" ] || fail "the old picture was damaged"
grep -q "cannot write" "$work/err" || fail "no message: $(cat "$work/err")"
[ "$(ls -A "$work" | grep -c lunisol)" -eq 0 ] || fail "a temporary file was left behind"

# The natal chart page: --page, --hour and --sex pick what it shows, and bad
# values are refused with status 2 before any window opens.
rm -f "$work"/*.png
"$app" --date 2000-08-16 --page natal --hour 2 --sex 女 --grab "$work/natal.png" --size 1024x768 2>/dev/null \
  || fail "grab of the natal page"
"$app" --date 2000-08-16 --page natal --hour 寅 --sex f --grab "$work/natal-named.png" --size 1024x768 2>/dev/null \
  || fail "grab of the natal page with the branch and f"
"$app" --date 2000-08-16 --page natal --hour 2 --sex m --grab "$work/natal-male.png" --size 1024x768 2>/dev/null \
  || fail "grab of the natal page for a man"
"$app" --date 2000-08-16 --grab "$work/almanac.png" --size 1024x768 2>/dev/null || fail "grab of the almanac page"
cmp -s "$work/natal.png" "$work/natal-named.png" || fail "--hour 寅 --sex f differs from --hour 2 --sex 女"
cmp -s "$work/natal.png" "$work/natal-male.png" && fail "--sex did not change the chart"
cmp -s "$work/natal.png" "$work/almanac.png" && fail "--page natal grabbed the almanac page"
# --hour 12 is the late 子 hour, the next day's 子 hour; --at reads the chart
# on another day; --zoom enlarges the chart.
"$app" --date 2000-08-16 --page natal --hour 12 --sex 女 --grab "$work/natal-late.png" --size 1024x768 2>/dev/null \
  || fail "grab of the natal page at the late 子 hour"
"$app" --date 2000-08-17 --page natal --hour 0 --sex 女 --grab "$work/natal-next.png" --size 1024x768 2>/dev/null \
  || fail "grab of the natal page of the next day"
cmp -s "$work/natal-late.png" "$work/natal.png" && fail "--hour 12 charted the 寅 hour"
"$app" --date 2000-08-16 --page natal --hour 2 --sex 女 --at 2030-05-01 --grab "$work/natal-2030.png" \
  --size 1024x768 2>/dev/null || fail "grab of the natal page read in 2030"
cmp -s "$work/natal-2030.png" "$work/natal.png" && fail "--at did not change the chart's reading"
"$app" --date 2000-08-16 --page natal --hour 2 --sex 女 --zoom 200 --grab "$work/natal-200.png" --size 1024x768 \
  2>/dev/null || fail "grab of the natal page at 200 %"
cmp -s "$work/natal-200.png" "$work/natal.png" && fail "--zoom 200 left the natal page as at 100 %"
for bad in "--page moon" "--hour 13" "--hour -1" "--hour 2x" "--hour 甲" "--sex x" "--at 2030-13-01"; do
  # shellcheck disable=SC2086
  "$app" --date 2000-08-16 $bad --grab "$work/bad.png" 2>"$work/err" && fail "$bad was accepted"
  [ $? -eq 2 ] || fail "$bad did not exit with status 2"
  [ "$(grep -c '^lunisol: ' "$work/err")" -eq 1 ] || fail "$bad: no one-line message: $(cat "$work/err")"
  [ -e "$work/bad.png" ] && fail "$bad wrote a picture"
done
rm -f "$work"/*.png "$work/err"

# The day sheet, the day finder and the page with a day's 宜/忌 tip render;
# a bad sheet name or tip day is refused before any window opens.
"$app" --date 2009-05-26 --open day --grab "$work/day.png" --size 1024x768 2>/dev/null || fail "grab of the day sheet"
"$app" --date 2009-05-27 --open day --grab "$work/day27.png" --size 1024x768 2>/dev/null || fail "grab of another day sheet"
"$app" --date 2009-05-26 --open hours --grab "$work/hours.png" --size 1024x768 2>/dev/null || fail "grab of the hour sheet"
"$app" --date 2009-05-26 --open finder --grab "$work/finder.png" --size 1024x768 2>/dev/null || fail "grab of the finder"
"$app" --date 2009-05-26 --tip 26 --grab "$work/tip.png" --size 1024x768 2>/dev/null || fail "grab with a tip"
"$app" --date 2009-05-26 --grab "$work/page.png" --size 1024x768 2>/dev/null || fail "grab of the page"
cmp -s "$work/day.png" "$work/day27.png" && fail "--open day shows the same sheet for two dates"
cmp -s "$work/day.png" "$work/hours.png" && fail "--open day grabbed the hour sheet"
cmp -s "$work/tip.png" "$work/page.png" && fail "--tip did not show a tip"
for bad in "--open dayz" "--tip 32" "--tip x"; do
  # shellcheck disable=SC2086
  "$app" --date 2009-05-26 $bad --grab "$work/bad.png" 2>"$work/err" && fail "$bad was accepted"
  [ $? -eq 2 ] || fail "$bad did not exit with status 2"
  [ -e "$work/bad.png" ] && fail "$bad wrote a picture"
done
"$app" --date 2009-05-26 --tip 26 2>/dev/null && fail "--tip without --grab was accepted"
rm -f "$work"/*.png "$work/err"

# A FIFO is not replaced by a file.
mkfifo "$work/pipe.png"
"$app" --grab "$work/pipe.png" --size 1024x768 2>/dev/null && fail "grab replaced a FIFO"
[ -p "$work/pipe.png" ] || fail "the FIFO is gone"
echo "ok"
