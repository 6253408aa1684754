#!/usr/bin/env python3
"""What the book's help pages and manual pages state, checked against the
game's rules and the program itself, sharing no code with either:
- the theoretical prizes in both help pages, recounted from a 45% payout of
  a 200 yen unit and the number of winning draws of each way in 1000;
- the four-digit table in both help pages: each kind's example, how many of
  the 10,000 numbers are of its kind, the winning draws in 10,000 of a
  straight and a box on it, and its theoretical prizes;
- the bundled draws and prizes the help pages name, against the data files;
- the options in both manual pages, against the program's own --help.
   book_pages.py NUMBERS3_BOOK"""
import csv
import itertools
import os
import re
import subprocess
import sys
from fractions import Fraction

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
faults = []

def page_text(page):
    with open(os.path.join(ROOT, 'html', page), encoding='utf-8') as f:
        return f.read()


def numbers_in(text):
    return [int(n.replace(',', '')) for n in re.findall(r'\d{1,3}(?:,\d{3})+|\d+', text)]


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
    text = re.sub(r'&#?\w+;', ' ', page_text(page))
    at = text.find(start, text.find('id="tickets"'))
    figures = [int(n.replace(',', '')) for n in re.findall(r'\d{1,3}(?:,\d{3})+|\d{4,}', text[at:at + 400])][:len(want)]
    if at < 0 or figures != want:
        faults.append(f'{page}: theoretical prizes read {figures}, the rules give {want}')

# The four-digit game: each row of the table names a number of its kind;
# what the row states follows from that number, counted over all 10,000.
def orders(n):
    return len(set(itertools.permutations(f'{n:04}')))


kind_count = {}
for n in range(10000):
    kind_count[orders(n)] = kind_count.get(orders(n), 0) + 1
paid4 = Fraction(45, 100) * 200 * 10000
for page in ('book.html', 'book_ja.html'):
    table = re.search(r'<table id="numbers4-prizes".*?</table>', page_text(page), re.S)
    rows = [re.findall(r'<td>(.*?)</td>', row) for row in re.findall(r'<tr>(.*?)</tr>', table.group(0) if table else '', re.S)]
    rows = [r for r in rows if r]
    kinds = set()
    for cells in rows:
        example = re.search(r'[(（](\d{4})[)）]', cells[0])
        if not example:
            faults.append(f'{page}: four-digit row {cells[0]!r} names no number')
            continue
        ticket = int(example.group(1))
        k = orders(ticket)
        kinds.add(k)
        straight4 = paid4 / sum(d == ticket for d in range(10000))
        box_wins = sum(sorted(f'{d:04}') == sorted(f'{ticket:04}') for d in range(10000))
        label = re.match(r'(\d+)(?:-way| 通り)', cells[0])
        if (int(label.group(1)) if label else 1) != k:
            faults.append(f'{page}: four-digit row {cells[0]!r}: {ticket} has {k} orders')
        want = [kind_count[k], 1]
        want += [box_wins, int(straight4), int(paid4 / box_wins), int((straight4 + paid4 / box_wins) / 2),
                 int(paid4 / box_wins / 2)] if k > 1 else [int(straight4)]
        have = numbers_in(' '.join(re.sub(r'&#?\w+;', ' ', c) for c in cells[1:]))
        if have != want:
            faults.append(f'{page}: four-digit row {cells[0]!r} reads {have}, the numbers give {want}')
    if kinds != set(kind_count):
        faults.append(f'{page}: the four-digit table has kinds {sorted(kinds)}, the numbers {sorted(kind_count)}')


# The bundled draws the help pages name: "1 to 7054 and 7061 to 7074" in the
# words of each page, and how many draws carry prizes.
def runs(draws):
    draws = sorted(draws)
    out = []
    for d in draws:
        if out and out[-1][1] == d - 1:
            out[-1][1] = d
        else:
            out.append([d, d])
    return out


def words(page, spans):
    if page == 'book.html':
        return ' and '.join(f'{a} to {b}' for a, b in spans)
    return 'と'.join(f'第 {a} 回～第 {b} 回' for a, b in spans)


def bundled(name):
    path = os.path.join(ROOT, 'data', name)
    if not os.path.exists(path):
        return None
    with open(path, newline='', encoding='utf-8') as f:
        return [int(row['draw']) for row in csv.DictReader(f)]


for page in ('book.html', 'book_ja.html'):
    text = re.sub(r'\s+', ' ', page_text(page))
    for name in ('numbers3-results.csv', 'numbers3-prizes.csv', 'numbers4-results.csv', 'numbers4-prizes.csv'):
        draws = bundled(name)
        if draws is None:
            continue
        stated = [words(page, runs(draws))]
        if 'prizes' in name:
            stated.append(f'{len(draws):,}')
        if name == 'numbers4-results.csv':
            stated.append(words(page, runs(set(range(1, max(draws) + 1)) - set(draws))))
        faults += [f'{page}: does not say {s!r}, as data/{name} gives' for s in stated if s not in text]

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
