#!/usr/bin/env bash
# Draws the two marks that an exported report carries inside itself (16x26 RGBA PNG: a round badge in the lower
# part, the top transparent) and prints each as standard Base64, for statistics/report.cpp.
set -euo pipefail

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render-marks.sh: needs rsvg-convert (Debian package librsvg2-bin)" >&2
    exit 1
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

badge() { # name colour path-of-the-sign
    cat >"$tmp/$1.svg" <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="26" viewBox="0 0 16 26">
  <circle cx="8" cy="18" r="7.5" fill="$2"/>
  <path d="$3" fill="none" stroke="#FFFFFF" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>
</svg>
SVG
    rsvg-convert --width 16 --height 26 --format png --output "$tmp/$1.png" "$tmp/$1.svg"
    echo "$1 ($(stat -c %s "$tmp/$1.png") bytes):"
    base64 -w 0 "$tmp/$1.png"
    echo
}

badge correct '#27AE60' 'M4.6 18.2l2.3 2.3 4.5-4.7'
badge wrong '#E5484D' 'M5.3 15.3l5.4 5.4M10.7 15.3l-5.4 5.4'
