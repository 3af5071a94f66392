#!/usr/bin/env bash
# Renders the pictures in docs/ into a folder (docs/ itself by default), so a
# change that should not alter what users see can be checked with `cmp`.
#   tools/render_docs.sh build/ui/lunisol /tmp/pictures
set -euo pipefail
app=$(realpath "$1")
out=$(realpath -m "${2:-$(dirname "$0")/../docs}")
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
grab() { "$app" "$@" 2>/dev/null; }
grab --date 2009-05-26 --grab "$out/page-1280x1024.png" --size 1280x1024
grab --date 2009-05-26 --grab "$out/page-1024x768.png" --size 1024x768
grab --date 2009-05-26 --grab "$out/page-1280x954.png" --size 1280x1024 --available 1280x954
grab --date 2009-05-26 --grab "$out/page-1366x728.png" --size 1366x768 --available 1366x728
grab --date 2009-05-26 --grab "$out/page-contrast.png" --size 1280x1024 --contrast
grab --date 2009-05-26 --grab "$out/page-200.png" --size 1280x1024 --zoom 200
grab --date 2009-05-19 --open hours --grab "$out/hours.png"
grab --date 2006-05-26 --open yearly --grab "$out/yearly.png"
grab --date 2008-06-01 --open zodiac --grab "$out/zodiac.png"
grab --date 2006-01-29 --open bone --grab "$out/bone.png"
grab --date 2000-08-16 --page natal --hour 2 --sex 女 --at 2030-05-01 --grab "$out/natal.png" --size 1280x1024
grab --date 2009-05-26 --open day --grab "$out/day.png"
grab --date 2009-05-26 --tip 26 --size 1024x768 --grab "$out/page-tooltip.png"
grab --date 2026-03-01 --open finder --grab "$out/finder.png"
