#!/usr/bin/env python3
"""Writes a catalogue that wraps every translatable text in ⟦ ⟧, keeping its label markup,
accelerators and menu path, so that English left on screen or in a help is plainly unmarked.
    pseudo_catalogue.py tarvenn.pot out.po"""
import re
import sys

from po_entries import entries, is_menu_path

LEADING = re.compile(r'^((?:@[^\s@;]+;?\s*)*)')


def wrapped(text):
    if is_menu_path(text):
        return '/'.join(wrapped(part) for part in text.split('/'))
    head = LEADING.match(text).group(1)
    body = text[len(head):]
    tail = body[len(body.rstrip()):]
    core = body[:len(body) - len(tail)]
    lead = core[:len(core) - len(core.lstrip())]
    return head + lead + '⟦' + core[len(lead):] + '⟧' + tail


def quoted(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n').replace('\t', '\\t') + '"'


def main():
    out = ['msgid ""', 'msgstr ""', quoted('Project-Id-Version: tarvenn\n'), quoted('Language: xx\n'),
           quoted('MIME-Version: 1.0\n'), quoted('Content-Type: text/plain; charset=UTF-8\n'),
           quoted('Content-Transfer-Encoding: 8bit\n'),
           quoted('Plural-Forms: nplurals=2; plural=(n != 1);\n'), '']
    for e in entries(sys.argv[1]):
        out.append('msgid ' + quoted(e['msgid']))
        if e['msgid_plural']:
            out.append('msgid_plural ' + quoted(e['msgid_plural']))
            out.append('msgstr[0] ' + quoted(wrapped(e['msgid'])))
            out.append('msgstr[1] ' + quoted(wrapped(e['msgid_plural'])))
        else:
            out.append('msgstr ' + quoted(wrapped(e['msgid'])))
        out.append('')
    with open(sys.argv[2], 'w', encoding='utf-8') as f:
        f.write('\n'.join(out))


if __name__ == '__main__':
    main()
