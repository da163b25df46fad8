#!/usr/bin/env python3
"""Extracts every text Kavo shows into the eighteen translation sources.

    scripts/update-translations.py            update resources/translations/kavo_*.ts
    scripts/update-translations.py --check    only say whether they are up to date (status 1
                                              and the missing texts when they are not)

Texts come from three places:
  - the C++ sources: tr(), QT_TR_NOOP(), QT_TRANSLATE_NOOP() (lupdate reads these), and the
    literal argument of GET_STRING(...). A text shown outside the pages is written
    ShownText::tr("...") (src/ShownText.h), or marked QT_TRANSLATE_NOOP("Translator", "...") in a
    table and looked up with ShownText::tr(pointer): both are found and looked up in the
    context "Translator". tests/network/tst_translation_coverage.cpp shows every console
    message, the timer's texts and the rest screen under a marking translation and fails on a
    text that is not in the translation sources;
  - the pages under resources/html/: data-i18n="..." and data-i18n-title="..." attributes, and
    in the scripts (the .js files and the inline <script> of the .html files) the literal
    argument of Kavo.tr(...), Notice.tr(...) and tr(...), the text a script gives the
    attribute, setAttribute("data-i18n", "..."), and the "title:", "group:" and "label:"
    properties of the scripts' tables (texts a page translates through a variable); of a
    choice in such a call both texts count: Kavo.tr(done ? "Done" : "Choose pages");
  - nothing else: a text built at run time ("Monitor " + n) cannot be found, so write
    Kavo.tr("Monitor %1").replace("%1", n) instead.

Page texts are looked up in the context "Translator", as GET_STRING does. lupdate merges:
existing translations stay, new texts arrive unfinished, texts no longer used are dropped.
The English file is filled with the source texts themselves.
"""

import argparse
import html
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TRANSLATIONS = os.path.join(ROOT, "resources", "translations")
PAGES = os.path.join(ROOT, "resources", "html")
SOURCES = os.path.join(ROOT, "src")

# Kavo's language codes (what the language choice sends) and the language each file is in.
LANGUAGES = {
    "ae": "ar", "bg": "bg", "cn": "zh_CN", "cz": "cs", "de": "de", "en": "en",
    "es": "es", "fr": "fr", "gr": "el", "hi": "hi", "it": "it", "jp": "ja",
    "kr": "ko", "nl": "nl", "pt": "pt", "ru": "ru", "tr": "tr", "ua": "uk",
}

JS_STRING = r'''("(?:[^"\\\n]|\\.)*"|'(?:[^'\\\n]|\\.)*')'''
HTML_ATTRIBUTE = re.compile(r'data-i18n(?:-title)?\s*=\s*"([^"]*)"')
# The literal argument of a tr() call, or both literals of a choice: tr(a ? "One" : "Other").
JS_TR_CALL = re.compile(r'(?<![\w$])(?:Kavo\.)?tr\(\s*(?:[^()"\'?]*\?\s*' + JS_STRING +
                        r'\s*:\s*)?' + JS_STRING + r'\s*\)')
JS_SET_I18N = re.compile(r'\.setAttribute\(\s*["\']data-i18n(?:-title)?["\']\s*,\s*(?:[^()"\'?]*\?\s*' +
                         JS_STRING + r'\s*:\s*)?' + JS_STRING + r'\s*\)')
JS_TABLE_TEXT = re.compile(r'(?<![\w$])(?:title|group|label)\s*:\s*' + JS_STRING)
GET_STRING_CALL = re.compile(
    r'GET_STRING\(\s*(?:QStringLiteral\(|QLatin1String\(|QString::fromUtf8\()?\s*'
    r'((?:"(?:[^"\\\n]|\\.)*"\s*)+)')
C_STRING = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def js_string(literal):
    if literal.startswith("'"):
        literal = '"' + literal[1:-1].replace('\\\'', "'").replace('"', '\\"') + '"'
    return json.loads(literal)


def c_string(body):
    return body.encode("latin-1", "backslashreplace").decode("unicode_escape") \
        if "\\" in body else body


def files_under(folder, extensions):
    for directory, _, names in sorted(os.walk(folder)):
        for name in sorted(names):
            if name.endswith(extensions):
                yield os.path.join(directory, name)


def read(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


INLINE_SCRIPT = re.compile(r'<script(?![^>]*\bsrc\s*=)[^>]*>(.*?)</script>', re.S | re.I)


def script_texts(script):
    texts = set()
    for choice in JS_TR_CALL.findall(script) + JS_SET_I18N.findall(script):
        texts.update(js_string(text) for text in choice if text)
    texts.update(js_string(text) for text in JS_TABLE_TEXT.findall(script))
    return texts


def page_texts():
    texts = set()
    for path in files_under(PAGES, (".html",)):
        content = read(path)
        texts.update(html.unescape(text) for text in HTML_ATTRIBUTE.findall(content))
        for script in INLINE_SCRIPT.findall(content):
            texts.update(script_texts(script))
    for path in files_under(PAGES, (".js",)):
        texts.update(script_texts(read(path)))
    return texts


def native_get_string_texts():
    texts = set()
    for path in files_under(SOURCES, (".cpp", ".h")):
        for literals in GET_STRING_CALL.findall(read(path)):
            texts.add("".join(c_string(part) for part in C_STRING.findall(literals)))
    return texts


def cpp_literal(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
    return '"' + escaped + '"'


def write_text_list(path, texts):
    with open(path, "w", encoding="utf-8") as file:
        file.write("// Generated by scripts/update-translations.py: the texts of the pages.\n")
        for text in sorted(t for t in texts if t.strip()):
            file.write('QT_TRANSLATE_NOOP("Translator", %s);\n' % cpp_literal(text))


def ts_path(folder, code):
    return os.path.join(folder, "kavo_%s.ts" % code)


def create_missing(folder):
    for code, language in LANGUAGES.items():
        path = ts_path(folder, code)
        if not os.path.exists(path):
            with open(path, "w", encoding="utf-8") as file:
                file.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                           '<TS version="2.1" language="%s" sourcelanguage="en">\n</TS>\n'
                           % language)


LUPDATE = shutil.which("lupdate") or "/usr/lib/qt5/bin/lupdate"


def run_lupdate(folder, text_list):
    command = [LUPDATE, "-silent", "-locations", "none", "-no-obsolete",
               "-extensions", "cpp,h", SOURCES, text_list, "-ts"]
    command += [ts_path(folder, code) for code in sorted(LANGUAGES)]
    subprocess.run(command, check=True)


def fill_english(folder):
    """The English translation of each text is the text itself (as escaped in the file)."""
    path = ts_path(folder, "en")
    unfinished = re.compile(
        r'<source>([^<]*)</source>(\s*)<translation type="unfinished"(?:/>|>[^<]*</translation>)',
        re.S)
    filled = unfinished.sub(
        lambda m: "<source>%s</source>%s<translation>%s</translation>" % (
            m.group(1), m.group(2), m.group(1)),
        read(path))
    with open(path, "w", encoding="utf-8") as file:
        file.write(filled)


def messages(path):
    """(context, source) of every message of a translation source."""
    found = set()
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found.add((name, message.findtext("source")))
    return found


def update(folder):
    create_missing(folder)
    with tempfile.TemporaryDirectory() as scratch:
        text_list = os.path.join(scratch, "page_texts.cpp")
        write_text_list(text_list, page_texts() | native_get_string_texts())
        run_lupdate(folder, text_list)
    fill_english(folder)


def main():
    global LUPDATE
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="only report whether the translation sources are up to date")
    parser.add_argument("--lupdate", default=LUPDATE, help="the lupdate program to run")
    arguments = parser.parse_args()
    LUPDATE = arguments.lupdate
    if not arguments.check:
        update(TRANSLATIONS)
        return 0
    with tempfile.TemporaryDirectory() as scratch:
        copy = os.path.join(scratch, "translations")
        shutil.copytree(TRANSLATIONS, copy)
        update(copy)
        before = messages(ts_path(TRANSLATIONS, "en"))
        after = messages(ts_path(copy, "en"))
    missing, unused = sorted(after - before), sorted(before - after)
    for context, source in missing:
        print("not in the translation sources: [%s] %s" % (context, source))
    for context, source in unused:
        print("no longer used: [%s] %s" % (context, source))
    if missing or unused:
        print("Run scripts/update-translations.py (make translations) to bring them up to date.")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
