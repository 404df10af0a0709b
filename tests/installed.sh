#!/usr/bin/env bash
# Installs the built tree into a temporary DESTDIR and checks what a desktop needs from it. Then starts the
# installed program on a virtual display, from an unrelated folder with an empty home, and shows that it finds
# its sample words and its help page there.
# Usage: installed.sh BUILD_FOLDER
set -euo pipefail

build=$1
root=$(mktemp -d)
trap 'pkill -TERM -f "$root/dest/usr/bin/quillora" 2>/dev/null || true; rm -rf "$root"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$root/dest cmake --install "$build" --prefix /usr >/dev/null
prefix=$root/dest/usr
id=example.brindlecot.Quillora

for file in bin/quillora bin/quillora-make-dictionary share/quillora/Default/apple.wav share/quillora/help/main.html \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
    share/man/man1/quillora.1.gz share/man/man1/quillora-make-dictionary.1.gz share/doc/quillora/changelog.gz \
    share/doc/quillora/copyright; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/quillora" ] || fail "the program is not executable"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 48 256; do
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")
    [ "$width $height" = "$size $size" ] || fail "the ${size}x$size icon is ${width}x$height"
done
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=quillora" "$prefix/share/applications/$id.desktop" || fail "the desktop entry starts something else"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate is missing (Debian package desktop-file-utils): not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
        fail "appstreamcli validate: $(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"
else
    echo "appstreamcli is missing (Debian package appstream): not validated"
fi
echo "installed files: complete"

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
    echo "xvfb-run or xdotool is missing (Debian packages xvfb, xdotool): the installed program is not started"
    exit 77
fi

# The desktop's opener, replaced by one that notes what it was given.
mkdir -p "$root/opener" "$root/home" "$root/elsewhere"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s/opened"\n' "$root" > "$root/opener/xdg-open"
chmod +x "$root/opener/xdg-open"

cat > "$root/session.sh" <<'EOF'
set -u
"$PROGRAM" > "$ROOT/program.log" 2>&1 &
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1; }
# Clicks at x,y in the window; a window without a window manager takes keys only once clicked.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
for _ in $(seq 100); do [ -n "$(window Quillora)" ] && break; sleep 0.2; done
main=$(window Quillora)
[ -n "$main" ] || { echo "the main window did not open"; exit 1; }
for _ in $(seq 20); do # the Tips window of a first start: closed with its check box's neighbour, Escape
    tips=$(window Tips)
    [ -z "$tips" ] && break
    click "$tips" 280 150
    xdotool windowfocus "$tips" 2>/dev/null; xdotool key Escape; sleep 0.5
done
for _ in $(seq 10); do # Help
    click "$main" 300 200
    xdotool windowfocus "$main" 2>/dev/null; xdotool key F1; sleep 0.5
    [ -s "$ROOT/opened" ] && break
done
for _ in $(seq 10); do # the Dictionaries window, closed with OK, which stores the list
    [ -z "$(window Dictionaries)" ] && click "$main" 153 31
    dictionaries=$(window Dictionaries)
    [ -n "$dictionaries" ] && click "$dictionaries" 467 321
    [ -s "$HOME/.local/share/Brindlecot/Quillora/data.dat" ] && break
done
EOF

(
    cd "$root/elsewhere"
    env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CONFIG_DIRS -u XDG_CACHE_HOME -u QT_QPA_PLATFORM \
        HOME="$root/home" PATH="$root/opener:$PATH" ROOT="$root" PROGRAM="$prefix/bin/quillora" \
        xvfb-run -a -s "-screen 0 1024x768x24" bash "$root/session.sh"
)

[ -s "$root/opened" ] || fail "Help opened nothing"
page=$(head -1 "$root/opened")
[ "$page" = "$prefix/share/quillora/help/main.html" ] || fail "Help opened $page"
echo "Help opened the installed page"

data=$root/home/.local/share/Brindlecot/Quillora/data.dat
[ -s "$data" ] || fail "the dictionary list was not stored: $(cat "$root/program.log")"
# The list's paths are UTF-16: exactly one Default, the installed one, which is there (so listed, not red).
defaults=$(strings -e l "$data" | grep '/Default$' || true)
[ "$defaults" = "$prefix/share/quillora/Default" ] || fail "the Default dictionaries listed: ${defaults:-none}"
[ -d "$defaults" ] || fail "the listed Default is not there"
echo "the installed Default dictionary is listed"
