#!/usr/bin/env python3
"""Fails when a catalogue is incomplete or a translation breaks what the program relies on:
untranslated or fuzzy messages (msgfmt -c --statistics), printf placeholders, label markup
(@b, @wc, @C3...), accelerators (&), menu paths whose submenus would split, two items of one
menu with the same accelerator, and leading or trailing white space.
    check_catalogue.py FILE.po [FILE.po ...]"""
import re
import subprocess
import sys
from collections import defaultdict

from po_entries import entries, is_menu_path

PLACEHOLDER = re.compile(r'%(?:%|[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l|z)?[diouxXeEfgGcsp])')
MARKUP = re.compile(r'@(@|[^\s@;]+)')


def markup(text):
    return [m for m in MARKUP.findall(text) if m != '@']


def edges(text):
    return (text[:len(text) - len(text.lstrip())], text[len(text.rstrip()):])


def accelerator(label):
    m = re.search(r'&([^&])', label)
    return m.group(1).lower() if m else None


def check(path):
    faults = []
    result = subprocess.run(['msgfmt', '-c', '--statistics', '-o', '/dev/null', path],
                            capture_output=True, text=True)
    if result.returncode != 0:
        faults.append('msgfmt -c: ' + result.stderr.strip())
    if re.search(r'untranslated|fuzzy', result.stderr):
        faults.append('incomplete: ' + result.stderr.strip())
    submenus = defaultdict(set)  # English submenu path -> its translations
    keys = defaultdict(list)     # translated menu -> (accelerator, item)
    for e in entries(path):
        msgid = e['msgid']
        if e['fuzzy']:
            faults.append(f'fuzzy: {msgid!r}')
        for n, msgstr in enumerate(e['msgstr']):
            english = msgid if n == 0 or not e['msgid_plural'] else e['msgid_plural']
            if not msgstr:
                faults.append(f'untranslated: {msgid!r}')
                continue
            where = f'{msgid!r} -> {msgstr!r}'
            if sorted(PLACEHOLDER.findall(english)) != sorted(PLACEHOLDER.findall(msgstr)):
                faults.append('placeholders differ: ' + where)
            if markup(english) != markup(msgstr):
                faults.append('markup differs: ' + where)
            if english.count('&') != msgstr.count('&'):
                faults.append('accelerators differ: ' + where)
            if edges(english) != edges(msgstr):
                faults.append('leading or trailing space differs: ' + where)
            if is_menu_path(english):
                parts, translated = english.split('/'), msgstr.split('/')
                if len(parts) != len(translated):
                    faults.append('menu path depth differs: ' + where)
                    continue
                for depth in range(1, len(parts)):
                    submenus['/'.join(parts[:depth])].add('/'.join(translated[:depth]))
                menu, item = '/'.join(translated[:-1]), translated[-1]
                if accelerator(item):
                    keys[menu].append((accelerator(item), item))
    for english, translations in sorted(submenus.items()):
        if len(translations) > 1:
            faults.append(f'submenu {english!r} is translated in several ways: {sorted(translations)}')
    for menu, items in sorted(keys.items()):
        seen = {}
        for key, item in items:
            if key in seen and seen[key] != item:
                faults.append(f'{menu!r}: {seen[key]!r} and {item!r} share the accelerator {key!r}')
            seen[key] = item
    return faults


def main():
    failed = False
    for path in sys.argv[1:]:
        faults = check(path)
        for fault in faults:
            print(f'{path}: {fault}')
        failed |= bool(faults)
        if not faults:
            print(f'{path}: complete and consistent')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
