"""Reads the entries of a gettext catalogue (.po or .pot): msgid, plural and translations."""
import re

_STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')
_ESCAPES = {'n': '\n', 't': '\t', '"': '"', '\\': '\\'}


def _text(chunks):
    return re.sub(r'\\(.)', lambda m: _ESCAPES.get(m.group(1), '\\' + m.group(1)), ''.join(chunks))


def entries(path):
    """Yields dicts with msgid, msgid_plural (or None), msgstr (list), fuzzy (bool); header excluded."""
    with open(path, encoding='utf-8') as f:
        blocks = f.read().split('\n\n')
    for block in blocks:
        fuzzy, key, fields = False, None, {}
        for line in block.split('\n'):
            if line.startswith('#,') and 'fuzzy' in line:
                fuzzy = True
            if line.startswith('#') or not line.strip():
                continue
            m = re.match(r'(msgid_plural|msgid|msgstr(?:\[\d+\])?)\s', line)
            if m:
                key = m.group(1)
                fields[key] = []
            if key:
                fields[key] += _STRING.findall(line)
        if 'msgid' not in fields:
            continue
        msgid = _text(fields['msgid'])
        if msgid == '':
            continue
        strs = [_text(v) for k, v in sorted(fields.items()) if k.startswith('msgstr')]
        plural = _text(fields['msgid_plural']) if 'msgid_plural' in fields else None
        yield {'msgid': msgid, 'msgid_plural': plural, 'msgstr': strs, 'fuzzy': fuzzy}


def is_menu_path(text):
    """A menu item's path, as "@wc &Game/&Open game...": markup or an accelerator, then a slash."""
    return '/' in text and text[:1] in '@&' and '\n' not in text
