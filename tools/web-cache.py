#!/usr/bin/env python3
"""Writes the browser edition's service worker: the template with the list
of every file of the site (each with a hash of its content) and the build's
own hash, made of all of them and of the worker itself. A build that
changes any file is a new build to the browser, and only its changed files
are downloaded again.

Usage: web-cache.py <site folder> <sw.js.in> <output sw.js>
"""
import hashlib
import json
import os
import sys

HASH_CHARS = 16


def site_files(site, leave_out):
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/")
            if path not in leave_out:
                yield path


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    site, template, output = sys.argv[1:]
    worker = os.path.relpath(output, site).replace(os.sep, "/")
    files = {}
    for path in sorted(site_files(site, {worker})):
        with open(os.path.join(site, path), "rb") as f:
            files[path] = hashlib.sha256(f.read()).hexdigest()[:HASH_CHARS]
    with open(template, encoding="utf-8") as f:
        text = f.read()
    # A new worker is a new build too, so that it never fills, nor throws
    # away, the cache of the worker it replaces.
    build = hashlib.sha256((json.dumps(files, sort_keys=True) + text).encode()).hexdigest()[:HASH_CHARS]
    text = text.replace("@FILES@", json.dumps(files, indent=1)).replace("@BUILD@", build)
    with open(output, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
