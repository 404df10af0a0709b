#!/usr/bin/python3
"""Writes the Debian changelog of the package from the releases in the AppStream file, newest first.

    changelog.py METAINFO VERSION MAINTAINER OUTPUT

Fails when the newest release is not VERSION, so the package and its changelog never disagree. Only the
untranslated texts are taken; each paragraph and list item becomes one entry.
"""

import email.utils
import sys
import textwrap
import xml.etree.ElementTree as ElementTree
from datetime import datetime, timezone

LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def entries(release):
    description = release.find("description")
    if description is None:
        return []
    texts = []
    for element in description.iter():
        if element.tag in ("p", "li") and element.get(LANG) is None:
            text = " ".join("".join(element.itertext()).split())
            if text:
                texts.append(text)
    return texts


def main(metainfo, version, maintainer, output):
    releases = ElementTree.parse(metainfo).getroot().findall("releases/release")
    if not releases:
        sys.exit(f"{metainfo}: no releases")
    if releases[0].get("version") != version:
        sys.exit(f"{metainfo}: the newest release is {releases[0].get('version')}, the package is {version}")
    lines = []
    for release in releases:
        when = datetime.strptime(release.get("date", ""), "%Y-%m-%d").replace(tzinfo=timezone.utc)
        lines.append(f"quillora ({release.get('version')}) unstable; urgency=medium")
        lines.append("")
        for text in entries(release) or ["New release."]:
            lines.extend(textwrap.wrap(text, width=79, initial_indent="  * ", subsequent_indent="    "))
        lines.append("")
        lines.append(f" -- {maintainer}  {email.utils.format_datetime(when)}")
        lines.append("")
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join(lines[:-1]) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
