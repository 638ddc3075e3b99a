#!/usr/bin/env python3
"""Turns one Qt translation file (i18n/zorbel_<code>.ts) into the JSON the web
page loads: {context: {source text: translation}}. Unfinished, vanished and
empty translations are left out, so the page shows the source text for them,
as Qt does on the desktop.

Usage: ts2json.py <input.ts> <output.json>
"""
import json
import sys
import xml.etree.ElementTree as ElementTree

SKIPPED = {"unfinished", "vanished", "obsolete"}


def texts(ts_path):
    table = {}
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in SKIPPED or not translation.text:
                continue
            table.setdefault(name, {})[message.findtext("source", "")] = translation.text
    return table


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        json.dump(texts(sys.argv[1]), out, ensure_ascii=False, separators=(",", ":"), sort_keys=True)


if __name__ == "__main__":
    main()
