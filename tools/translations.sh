#!/bin/sh
# The windows' texts in translations/*.ts.
#   tools/translations.sh update [lang...]  adds new texts to the .ts files, drops vanished ones
#   tools/translations.sh check             fails if a text is missing from a .ts file or not yet translated
set -eu
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt5/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
sources=$(ls app/*.cpp app/*.ui dictionaries/*.cpp dictionaries/*.ui builder/*.cpp settings/*.cpp settings/*.ui \
    statistics/*.cpp statistics/*.ui progress/*.cpp progress/*.ui update/*.cpp update/*.ui widgets/*.cpp words/*.cpp)
mode=${1:-check}
[ $# -gt 0 ] && shift
languages=${*:-$(ls translations/*.ts | sed 's|.*/quillora_\(.*\)\.ts|\1|')}

case $mode in
update)
    for language in $languages; do
        # shellcheck disable=SC2086
        "$lupdate" -silent -locations none -no-obsolete $sources -target-language "$language" \
            -ts "translations/quillora_$language.ts"
    done ;;
check)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    failed=0
    for language in $languages; do
        ts=translations/quillora_$language.ts
        cp "$ts" "$work/quillora_$language.ts"
        # shellcheck disable=SC2086
        "$lupdate" -silent -locations none -no-obsolete $sources -target-language "$language" \
            -ts "$work/quillora_$language.ts"
        if ! cmp -s "$ts" "$work/quillora_$language.ts"; then
            echo "$ts: lupdate finds texts that are not in it, or no longer in the program:"
            diff "$ts" "$work/quillora_$language.ts" | grep '^[<>] *<source>' | head -20
            failed=1
        fi
        unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
        if [ "$unfinished" -ne 0 ]; then
            echo "$ts: $unfinished texts are not translated yet"
            failed=1
        fi
    done
    [ $failed = 0 ] && echo "every text is translated into: $languages"
    exit $failed ;;
*)
    echo "usage: $0 update|check [language...]" >&2
    exit 2 ;;
esac
