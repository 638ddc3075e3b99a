#!/usr/bin/env python3
"""Joins the page's ES modules into one, so that the first visit asks for
one script instead of one per module: each module becomes a function that
returns what it exports, and an import becomes a read of that.

Only the forms the page's modules use are understood:
  import name from './x.mjs';            (a default export)
  import { a, b } from './x.mjs';
  export class A / export function a / export const A / export default a;

Usage: bundle-web.py <entry module> <output>
"""
import os
import re
import sys

IMPORT = re.compile(r"^import\s+(?:(\w+)|\{([^}]*)\})\s+from\s+'\./([\w.-]+)';\s*$", re.M)
EXPORT = re.compile(r"^export\s+(?:(?:async\s+)?(?:class|function|const|let)\s+(\w+))", re.M)
DEFAULT = re.compile(r"^export\s+default\s+(\w+);\s*$", re.M)


def module_name(file):
    return "module_" + re.sub(r"\W", "_", file)


def bundle(folder, file, done, out):
    """Appends `file` and what it imports to `out`; returns its text with
    the imports replaced by reads of the modules' results."""
    text = open(os.path.join(folder, file), encoding="utf-8").read()

    def replace(m):
        default, names, source = m.groups()
        if source not in done:
            done.add(source)
            body = bundle(folder, source, done, out)
            exports = EXPORT.findall(body)
            fields = [f"{n}" for n in exports]
            d = DEFAULT.search(body)
            if d:
                fields.append(f"default: {d.group(1)}")
            body = DEFAULT.sub("", EXPORT.sub(lambda e: e.group(0).replace("export ", "", 1), body))
            out.append(f"const {module_name(source)} = (() => {{\n{body}\nreturn {{ {', '.join(fields)} }};\n}})();\n")
        if default:
            return f"const {default} = {module_name(source)}.default;"
        return f"const {{ {names.strip()} }} = {module_name(source)};"

    return IMPORT.sub(replace, text)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    entry, output = sys.argv[1:]
    parts = []
    main_text = bundle(os.path.dirname(entry) or ".", os.path.basename(entry), set(), parts)
    with open(output, "w", encoding="utf-8") as f:
        f.write("".join(parts) + main_text)


if __name__ == "__main__":
    main()
