#!/usr/bin/env python3
"""Joins the page's ES modules into one plain script, so that the first
visit asks for one script instead of one per module: each module becomes a
function that returns what it exports, and an import becomes a read of
that. The whole runs in an async function, in strict mode, as a module
would: its own names stay its own, and the entry module may await.

Only the forms the page's modules use are understood:
  import name from './x.mjs';            (a default export)
  import { a, b } from './x.mjs';
  import name from './x.wasm';           (the file's bytes, as a Uint8Array)
  export class A / export function a / export const A / export default a;

Usage: bundle-web.py <entry module> <output>
"""
import base64
import os
import re
import sys

IMPORT = re.compile(r"^import\s+(?:(\w+)|\{([^}]*)\})\s+from\s+'\./([\w.-]+)';\s*$", re.M)
EXPORT = re.compile(r"^export\s+(?:(?:async\s+)?(?:class|function|const|let)\s+(\w+))", re.M)
DEFAULT = re.compile(r"^export\s+default\s+(\w+);\s*$", re.M)
# A .wasm file's bytes, kept in the script as base64 text and decoded by the
# browser's own decoder where it has one.
WASM_MODULE = """const {name} = (() => {{
const text = '{text}';
if (Uint8Array.fromBase64) return {{ default: Uint8Array.fromBase64(text) }};
const binary = atob(text);
const bytes = new Uint8Array(binary.length);
for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
return {{ default: bytes }};
}})();
"""


def plain(text):
    """The text without whole-line comments, indentation and blank lines:
    less for the browser to read before the first board. The page's modules
    have no text that spans lines, so no line's start matters."""
    lines = (line.strip() for line in text.splitlines())
    return "".join(f"{line}\n" for line in lines if line and not line.startswith("//"))


def module_name(file):
    return "module_" + re.sub(r"\W", "_", file)


def bundle(folder, file, done, out):
    """Appends `file` and what it imports to `out`; returns its text with
    the imports replaced by reads of the modules' results."""
    text = plain(open(os.path.join(folder, file), encoding="utf-8").read())

    def replace(m):
        default, names, source = m.groups()
        if source not in done and source.endswith(".wasm"):
            done.add(source)
            with open(os.path.join(folder, source), "rb") as f:
                text = base64.b64encode(f.read()).decode("ascii")
            out.append(WASM_MODULE.format(name=module_name(source), text=text))
        elif source not in done:
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
        f.write("(async () => {\n'use strict';\n" + "".join(parts) + main_text + "})();\n")


if __name__ == "__main__":
    main()
