#!/usr/bin/env python3
"""What the book's help pages and manual pages state, checked against the
game's rules and the program itself, sharing no code with either:
- the theoretical prizes in both help pages, recounted from a 45% payout of
  a 200 yen unit and the number of winning draws of each way in 1000;
- the options in both manual pages, against the program's own --help.
   book_pages.py NUMBERS3_BOOK"""
import os
import re
import subprocess
import sys
from fractions import Fraction

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
faults = []

# Winning draws in 1000 of every way, counted over the draws.
def wins(ticket, way):
    same = lambda d: sorted(f'{d:03}') == sorted(f'{ticket:03}')
    if way == 'mini':
        return sum(d % 100 == ticket % 100 for d in range(1000))
    if way == 'straight':
        return sum(d == ticket for d in range(1000))
    return sum(same(d) for d in range(1000))

paid = Fraction(45, 100) * 200 * 1000   # what a way pays out over 1000 draws, per unit bought
straight = paid / wins(123, 'straight')
box6, box3 = paid / wins(123, 'box'), paid / wins(55, 'box')
prizes = [straight, box6, box3, (straight + box6) / 2, box6 / 2, (straight + box3) / 2, box3 / 2,
          paid / wins(23, 'mini')]
want = [int(p) for p in prizes]
for page, start in (('book.html', 'theoretical prize'), ('book_ja.html', '理論値')):
    with open(os.path.join(ROOT, 'html', page), encoding='utf-8') as f:
        text = f.read()
    text = re.sub(r'&#?\w+;', ' ', text)
    at = text.find(start)
    figures = [int(n.replace(',', '')) for n in re.findall(r'\d{1,3}(?:,\d{3})+|\d{4,}', text[at:at + 400])][:len(want)]
    if at < 0 or figures != want:
        faults.append(f'{page}: theoretical prizes read {figures}, the rules give {want}')

# Long options: those the manual pages describe, and those --help lists.
helped = subprocess.run([sys.argv[1], '--help'], capture_output=True, text=True,
                        env=dict(os.environ, LANG='C', LC_ALL='C', QT_QPA_PLATFORM='offscreen'))
offered = set(re.findall(r'--[a-z][a-z-]*', helped.stdout)) - {'--help-all'}
if not offered:
    faults.append(f'--help lists no options: {helped.stdout!r} {helped.stderr!r}')
for page in ('man/numbers3-book.1', 'man/ja/numbers3-book.1'):
    with open(os.path.join(ROOT, page), encoding='utf-8') as f:
        described = set(o.replace('\\-', '-') for line in f if line.startswith('.')
                        for o in re.findall(r'\\-\\-[a-z][a-z\\-]*', line))
    if described != offered:
        faults.append(f'{page} describes {sorted(described)}, --help offers {sorted(offered)}')

print('\n'.join(faults) or 'the book\'s pages agree with the rules and its options with --help')
sys.exit(1 if faults else 0)
