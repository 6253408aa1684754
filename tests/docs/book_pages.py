#!/usr/bin/env python3
"""What the book's help pages and manual pages state, checked against the
game's rules and the program itself, sharing no code with either:
- the theoretical prizes in both help pages, recounted from a 45% payout of
  a 200 yen unit and the number of winning draws of each way in 1000;
- the four-digit table in both help pages: each kind's example, how many of
  the 10,000 numbers are of its kind, the winning draws in 10,000 of a
  straight and a box on it, and its theoretical prizes;
- the same figures where the manual pages and the README state them;
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


# The manual pages say the same in sentences: per box kind its winning draws
# in 10,000, its name and how many numbers are of it; then the theoretical
# prizes, straight, the four boxes, the four set-straights and the four
# set-boxes. The README names the straight and the boxes.
by_kind = {k: next(n for n in range(10000) if orders(n) == k) for k in (24, 12, 6, 4)}
box4 = [paid4 / orders(n) for n in by_kind.values()]
prizes4 = [int(p) for p in [paid4] + box4 + [(paid4 + b) / 2 for b in box4] + [b / 2 for b in box4]]
for page, kind_pattern, chance, start, count in (
        ('man/numbers3-book.1', r'(\d+) (?:when|with) [^()]*\((\d+)\\-way, ([\d,]+) numbers\)', '{} draw in 10,000',
         '.SH THE FOUR', 13),
        ('man/ja/numbers3-book.1', r'(\d+) 回（[^（）]*?(\d+) 通り、\\:([\d,]+) 個）', '10,000 回に {} 回',
         '.SH 4 桁のくじ', 13),
        ('README.md', None, None, 'Numbers4 straight', 5)):
    with open(os.path.join(ROOT, page), encoding='utf-8') as f:
        text = f.read()
    at = text.find(start)
    section = text[at:text.find('\n.SH', at + 1)] if at >= 0 else ''
    if kind_pattern:
        stated = [tuple(numbers_in(' '.join(m))) for m in re.findall(kind_pattern, section)]
        want = [(k, k, kind_count[k]) for k in by_kind]
        if stated != want:
            faults.append(f'{page}: box kinds read {stated} (wins in 10,000, kind, numbers), the numbers give {want}')
        if chance.format(sum(d == 1234 for d in range(10000))) not in section:
            faults.append(f'{page}: does not say {chance.format(1)!r} of a straight')
    shown = [int(n.replace(',', '')) for n in re.findall(r'\d{1,3}(?:,\d{3})+', section[section.find(f'{prizes4[0]:,}'):])][:count]
    if shown != prizes4[:count]:
        faults.append(f'{page}: four-digit theoretical prizes read {shown}, the rules give {prizes4[:count]}')

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
