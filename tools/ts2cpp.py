#!/usr/bin/env python3
"""Turns the Qt translation files (i18n/zorbel_<code>.ts) into one C++ source
for programs that carry their texts inside them (the Windows edition): a
table of {language, context, source text, translation} in UTF-8. The texts
are read as tools/ts2json.py reads them for the web page, so both editions
leave out the same unfinished translations.

Usage: ts2cpp.py <output.cpp> <input.ts>...
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ts2json  # noqa: E402


def literal(text):
    """A C++ string literal of the UTF-8 text; octal escapes never swallow
    a following digit the way hex escapes would."""
    out = []
    for byte in text.encode("utf-8"):
        ch = chr(byte)
        if ch in '"\\?' or byte < 0x20 or byte >= 0x7F:
            out.append("\\%03o" % byte)
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def language_of(ts_path):
    return re.sub(r"^zorbel_", "", os.path.splitext(os.path.basename(ts_path))[0])


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    rows = []
    languages = sorted(language_of(ts) for ts in sys.argv[2:])
    for ts in sorted(sys.argv[2:]):
        for context, messages in sorted(ts2json.texts(ts).items()):
            for source, translation in sorted(messages.items()):
                rows.append("    {%s, %s, %s, %s}," % tuple(
                    literal(t) for t in (language_of(ts), context, source, translation)))
    with open(sys.argv[1], "w", encoding="ascii") as out:
        out.write("// Made from i18n/*.ts by tools/ts2cpp.py at build time.\n")
        out.write('#include "win/Translations.h"\n\n')
        out.write("namespace zorbel::win {\n\n")
        out.write("const char* const kLanguages[] = {%s};\n" % ", ".join(literal(l) for l in languages))
        out.write("const std::size_t kLanguageCount = %d;\n\n" % len(languages))
        out.write("const Translation kTranslations[] = {\n%s\n};\n" % "\n".join(rows))
        out.write("const std::size_t kTranslationCount = %d;\n\n" % len(rows))
        out.write("}  // namespace zorbel::win\n")


if __name__ == "__main__":
    main()
