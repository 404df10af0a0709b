#!/usr/bin/env bash
# Renders the program's images from their SVG sources in svg/:
#   NAME.png     48x48 for every svg/NAME.svg
#   NAME@2x.png  96x96, which Qt picks on a screen scaled two times or more
#   icon.ico  the application icon at 16, 32, 48 and 256 px
#   icon-256.png  the application icon for the desktop's menus, beside the 48 px icon.png
# Safe to run again: every output is rewritten from its source.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"

missing=()
command -v rsvg-convert >/dev/null 2>&1 || missing+=("rsvg-convert (Debian package librsvg2-bin)")
command -v convert >/dev/null 2>&1 || missing+=("convert (Debian package imagemagick)")
if ((${#missing[@]})); then
    echo "render-images.sh: missing tools:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    echo "install them with: apt-get install -y librsvg2-bin imagemagick" >&2
    exit 1
fi

shopt -s nullglob
sources=(svg/*.svg)
if ((${#sources[@]} == 0)); then
    echo "render-images.sh: no SVG sources in $(pwd)/svg" >&2
    exit 1
fi

for svg in "${sources[@]}"; do
    name=$(basename "$svg" .svg)
    rsvg-convert --width 48 --height 48 --format png --output "$name.png" "$svg"
    rsvg-convert --width 96 --height 96 --format png --output "$name@2x.png" "$svg"
    echo "$name.png $name@2x.png"
done

rsvg-convert --width 256 --height 256 --format png --output icon-256.png svg/icon.svg
echo icon-256.png

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Each size is drawn from the vector source, not scaled down from a bitmap,
# so the small sizes stay sharp.
sizes=(16 32 48 256)
layers=()
for size in "${sizes[@]}"; do
    rsvg-convert --width "$size" --height "$size" --format png --output "$tmp/icon-$size.png" svg/icon.svg
    layers+=("$tmp/icon-$size.png")
done
# -strip drops timestamps, so an unchanged source gives an unchanged file.
convert "${layers[@]}" -strip icon.ico
echo icon.ico
