#!/usr/bin/env python3
"""Writes the page with its style sheet and its script inside it: the
<link> to the sheet becomes a <style> element, and the script's element
carries the script's text. The page's content policy lets these two
elements through by the hashes of their texts.

A page that brings its style and script along asks for no file before its
first board but the ball pictures. A separate script would cost a request
and its wait, and with a content policy in the page the browser holds its
early requests back until the parser has read the policy.

Usage: inline-page.py <index.html> <style sheet> <script> <output>
"""
import base64
import hashlib
import os
import re
import sys


def digest(text):
    return base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii")


def allow(page, directive, text):
    """Adds the hash of `text` to `directive` of the page's content policy."""
    policy = re.compile(r"(<meta http-equiv=\"Content-Security-Policy\" content=\"[^\"]*" + directive + r" [^;\"]*)")
    if len(policy.findall(page)) != 1:
        sys.exit(f"expected one content policy with {directive}")
    return policy.sub(lambda m: f"{m.group(1)} 'sha256-{digest(text)}'", page)


def inline(page, element, replacement):
    if page.count(element) != 1:
        sys.exit(f"expected one {element}")
    return page.replace(element, replacement)


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    page_file, sheet_file, script_file, output = sys.argv[1:]
    page = open(page_file, encoding="utf-8").read()
    # The sheet without its comments, which are for its readers.
    sheet = re.sub(r"/\*.*?\*/\n?", "", open(sheet_file, encoding="utf-8").read(), flags=re.S)
    script = open(script_file, encoding="utf-8").read()
    if "</script" in script.lower() or "</style" in sheet.lower():
        sys.exit("a text that would end its element early")
    # Each hash is of the element's text exactly, from the first character
    # after the start tag to the last before the end tag.
    page = allow(page, "style-src", sheet)
    page = allow(page, "script-src", script)
    page = inline(page, f'<link rel="stylesheet" href="{os.path.basename(sheet_file)}">', f"<style>{sheet}</style>")
    page = inline(page, f'<script id="game" src="{os.path.basename(script_file)}"></script>',
                  f'<script id="game">{script}</script>')
    with open(output, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
