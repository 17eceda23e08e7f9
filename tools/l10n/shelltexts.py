#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The texts a desktop shows of the program before it runs, translated from its catalogues.

The English texts stand once, in the templates: the desktop entry, the AppStream metainfo and
the setup program's script. `sources` lists them for lupdate, so that they join the program's
own texts in each catalogue; `desktop`, `metainfo` and `nsis` write each file with every
finished translation beside the English.
"""
import argparse
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

DESKTOP_KEYS = {
    "GenericName": "What kind of program it is, shown under or beside its name in menus.",
    "Comment": "The tooltip of the program's menu entry.",
    "Keywords": "Search words for the desktop's search, each followed by a semicolon.",
}
METAINFO_TAGS = {
    "summary": "One line under the name in a software centre (GNOME Software, KDE Discover).",
    "p": "A paragraph of the program's description in a software centre.",
    "caption": "The caption of a screenshot in a software centre.",
}
NSIS_STRING = re.compile(r'^LangString (\w+) \$\{LANG_ENGLISH\} "(.*)"$')


def plain(text):
    return " ".join(text.split())


def desktop_texts(template):
    with open(template, encoding="utf-8") as lines:
        for line in lines:
            key, _, value = line.rstrip("\n").partition("=")
            if key in DESKTOP_KEYS:
                yield key, value


def metainfo_texts(template):
    for element in ElementTree.parse(template).iter():
        if element.tag in METAINFO_TAGS:
            yield element.tag, plain(element.text)


def nsis_texts(script):
    with open(script, encoding="utf-8") as lines:
        for line in lines:
            match = NSIS_STRING.match(line.strip())
            if match:
                yield match.group(1), match.group(2)


def catalogue(path, context):
    """The finished translations of one context of a Qt Linguist catalogue, by source text."""
    found = {}
    for element in ElementTree.parse(path).getroot().iter("context"):
        if element.findtext("name") != context:
            continue
        for message in element.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") is None and translation.text:
                found[message.findtext("source")] = translation.text
    return found


def catalogues(folder, languages, context):
    for language in languages:
        path = os.path.join(folder, f"cubomancer_{language}.ts")
        yield language, catalogue(path, context)


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_sources(args, out):
    out.write("// Generated from the desktop entry, metainfo and setup templates, for lupdate.\n")
    groups = [("Desktop entry", DESKTOP_KEYS, desktop_texts(args.desktop)),
              ("AppStream", METAINFO_TAGS, metainfo_texts(args.metainfo)),
              ("Setup", None, nsis_texts(args.nsis))]
    for context, comments, texts in groups:
        for key, text in texts:
            comment = comments[key] if comments else "A message of the Windows setup program."
            out.write(f"//: {comment}\nQT_TRANSLATE_NOOP({c_string(context)}, {c_string(text)});\n")


def write_desktop(args, out):
    translated = list(catalogues(args.translations, args.languages, "Desktop entry"))
    with open(args.template, encoding="utf-8") as lines:
        for line in lines:
            out.write(line)
            key, _, value = line.rstrip("\n").partition("=")
            if key in DESKTOP_KEYS:
                for language, texts in translated:
                    if value in texts:
                        out.write(f"{key}[{language}]={texts[value]}\n")


def write_metainfo(args, out):
    translated = list(catalogues(args.translations, args.languages, "AppStream"))
    with open(args.template, encoding="utf-8") as template:
        lines = template.read().splitlines(keepends=True)
    # Each translatable element is copied after itself once per language, with xml:lang.
    element = re.compile(r"^(\s*)<(%s)>(.*?)(</\2>)?\n$" % "|".join(METAINFO_TAGS), re.S)
    i = 0
    while i < len(lines):
        match = element.match(lines[i])
        if not match:
            out.write(lines[i])
            i += 1
            continue
        indent, tag = match.group(1), match.group(2)
        block = [lines[i]]
        while not block[-1].rstrip().endswith(f"</{tag}>"):
            i += 1
            block.append(lines[i])
        i += 1
        out.writelines(block)
        source = plain(re.sub(r"</?%s>" % tag, "", "".join(block)))
        source = ElementTree.fromstring(f"<x>{source}</x>").text
        for language, texts in translated:
            if source in texts:
                text = texts[source].replace("&", "&amp;").replace("<", "&lt;")
                out.write(f'{indent}<{tag} xml:lang="{language.replace("_", "-")}">{text}</{tag}>\n')


def write_nsis(args, out):
    english = list(nsis_texts(args.template))
    out.write("; Generated from the catalogues: the setup program's languages and texts.\n")
    for language, name in (pair.split(":") for pair in args.languages):
        if not name:  # NSIS has no such language: that Windows gets the English setup
            continue
        texts = catalogue(os.path.join(args.translations, f"cubomancer_{language}.ts"), "Setup")
        out.write(f'!insertmacro MUI_LANGUAGE "{name}"\n')
        for key, text in english:
            text = texts.get(text, text).replace('"', '$\\"')
            out.write(f'LangString {key} ${{LANG_{name.upper()}}} "{text}"\n')


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    commands = parser.add_subparsers(dest="command", required=True)
    sources = commands.add_parser("sources")
    sources.add_argument("desktop")
    sources.add_argument("metainfo")
    sources.add_argument("nsis")
    for name in ("desktop", "metainfo", "nsis"):
        command = commands.add_parser(name)
        command.add_argument("template")
        command.add_argument("translations", help="the folder of the catalogues")
        command.add_argument("languages", nargs="*",
                             help="language codes (nsis: code:NSIS-language pairs)")
    parser.add_argument("-o", "--output", required=True)
    args = parser.parse_args()
    writer = {"sources": write_sources, "desktop": write_desktop,
              "metainfo": write_metainfo, "nsis": write_nsis}[args.command]
    # Written only when changed, so that the build does not redo what depends on it.
    from io import StringIO
    text = StringIO()
    writer(args, text)
    if os.path.exists(args.output):
        with open(args.output, encoding="utf-8") as old:
            if old.read() == text.getvalue():
                return 0
    with open(args.output, "w", encoding="utf-8") as out:
        out.write(text.getvalue())
    return 0


if __name__ == "__main__":
    sys.exit(main())
