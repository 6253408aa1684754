#!/usr/bin/env python3
"""Every relative link and image in the Markdown files named on the command
line, and in the Markdown files they link to, names a file or folder that
exists; a link into a Markdown file's #section names one of its headings.
Links in code are not links; addresses with a scheme are not checked.
   markdown_links.py FILE.md..."""
import os
import re
import sys

LINK = re.compile(r'!?\[(?:[^\]\\]|\\.)*\]\(\s*<?([^)\s>]+)>?(?:\s+"[^"]*")?\s*\)')


def prose(path):
    """The file's lines outside fenced code, with code spans blanked."""
    fenced = False
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            if line.lstrip().startswith('```'):
                fenced = not fenced
                continue
            if not fenced:
                yield number, re.sub(r'`[^`]*`', '``', line)


def anchors(path):
    """The section ids a Markdown viewer gives the file's headings."""
    ids = set()
    for _, line in prose(path):
        heading = re.match(r'#{1,6}\s+(.*?)\s*#*\s*$', line)
        if heading:
            text = re.sub(r'[^\w\- ]', '', heading.group(1).replace('``', '').lower())
            ids.add(text.replace(' ', '-'))
    return ids


faults = []
todo = [os.path.abspath(p) for p in sys.argv[1:]]
seen = set()
while todo:
    page = todo.pop()
    if page in seen:
        continue
    seen.add(page)
    for number, line in prose(page):
        for target in LINK.findall(line):
            if re.match(r'[a-z][a-z0-9+.-]*:', target, re.I):
                continue
            file, _, section = target.partition('#')
            where = os.path.normpath(os.path.join(os.path.dirname(page), file)) if file else page
            if not os.path.exists(where):
                faults.append(f'{page}:{number}: {target} names nothing')
                continue
            if where.endswith('.md') and os.path.isfile(where):
                todo.append(where)
                if section and section not in anchors(where):
                    faults.append(f'{page}:{number}: {target}: no such section')
print('\n'.join(faults) or f'{len(seen)} Markdown files, every link found')
sys.exit(1 if faults else 0)
