#!/usr/bin/env bash
# Checks that #include lines run one way: the main window, then the subsystems and their windows, then the
# helpers every window shares, then the platform, then the text helpers everything uses. A folder may include
# from its own layer's folder or from a layer below; never from above or sideways.
# Prints each include that breaks this and exits 1; prints the layers and exits 0 when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."

# Lower number = higher layer. tools/, bench/ and tests/ stand outside and may include anything.
declare -A layer=(
    [app]=0
    [progress]=1
    [update]=2 [words]=2
    [statistics]=3 [settings]=3 [dictionaries]=3
    [widgets]=4 [builder]=4
    [platform]=5
    [text]=6
)

status=0
for folder in "${!layer[@]}"; do
    [ -d "$folder" ] || continue
    while IFS=: read -r file line text; do
        target=$(sed -E 's/^#include "([^/"]+)\/.*/\1/' <<<"$text")
        [ "$target" = "$text" ] && continue # same folder or a generated form header
        [ "$target" = "$folder" ] && continue
        if [ -z "${layer[$target]+set}" ]; then
            echo "$file:$line: includes from $target/, which has no layer"
            status=1
        elif [ "${layer[$target]}" -le "${layer[$folder]}" ]; then
            echo "$file:$line: $folder/ includes from $target/, which is not below it"
            status=1
        fi
    done < <(grep -n -H '^#include "' "$folder"/*.cpp "$folder"/*.h 2>/dev/null || true)
done

if [ "$status" = 0 ]; then
    for folder in app progress update words statistics settings dictionaries widgets builder platform text; do
        used=$(grep -h -o '^#include "[^/"]*/' "$folder"/*.cpp "$folder"/*.h 2>/dev/null |
            sed -E 's/#include "//; s#/##' | grep -v -x "$folder" | sort -u | tr '\n' ' ' || true)
        echo "layer ${layer[$folder]} $folder/ includes from: ${used:-nothing}"
    done
fi
exit "$status"
