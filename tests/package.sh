#!/bin/bash
# Builds the Debian package of this build and has lintian judge it: no error, warning, information or pedantic
# tag may remain, and every override in the package's overrides file gives its reason on the line above.
#   package.sh BUILD_DIR CPACK OVERRIDES HARDENED
set -u
build=$1 cpack=$2 overrides=$3 hardened=$4

if ! command -v dpkg-deb >/dev/null; then
    echo "skipped: dpkg-deb is missing, so no package can be built here"
    exit 77
fi
if [ "$hardened" != ON ]; then
    echo "skipped: only a hardened build is packaged, not a sanitizer, fuzz or debug build"
    exit 77
fi
if ! command -v lintian >/dev/null; then
    echo "lintian is missing: make test installs it"
    exit 1
fi

status=0
previous=""
while IFS= read -r line; do
    if [ -n "$line" ] && [ "${line#\#}" = "$line" ] && [ "${previous#\#}" = "$previous" ]; then
        echo "override without a reason above it: $line"
        status=1
    fi
    previous=$line
done < "$overrides"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! "$cpack" -G DEB -B "$out" --config "$build/CPackConfig.cmake" > "$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
package=$(ls "$out"/*.deb)
report=$(lintian --display-info --pedantic --show-overrides "$package" 2>&1)
echo "$report"
if echo "$report" | grep -qE '^[EWIP]: '; then
    echo "lintian has tags for $(basename "$package")"
    status=1
fi
exit $status
