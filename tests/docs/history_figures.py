#!/usr/bin/env python3
"""Recounts every count in the tables of the past-results pages, in both
languages, from draws 1 to 2000 of the results, sharing no code with the
pages' generator."""
import csv
import os
import re
import sys
from collections import Counter

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
with open(os.path.join(ROOT, 'data', 'numbers3-results.csv'), newline='') as f:
    draws = [row['number'].zfill(3) for row in csv.DictReader(f)][:2000]
counts = Counter(int(d) for d in draws)
most = max(counts.values())


def away(digit, place):
    """Draws since the digit last came up in the place, and its longest absence."""
    hits = [-1] + [i for i, d in enumerate(draws) if d[place] == digit] + [len(draws)]
    gaps = [b - a - 1 for a, b in zip(hits, hits[1:])]
    return [gaps[-1], max(gaps)]


expected = [
    [[d] + [sum(x[p] == str(d) for x in draws) for p in range(3)] for d in range(10)],
    [[d, sum(str(d) in x for x in draws)] for d in range(10)],
    [[s, sum(sum(map(int, x)) == s for x in draws)] for s in range(28)],
    [[n, sum(len(set(x)) == k for x in draws)] for n, k in ((720, 3), (270, 2), (10, 1))],
    [[n, c] for n, c in sorted(counts.items(), key=lambda nc: (-nc[1], nc[0])) if c >= most - 2],
    [[k, sum(counts.get(n, 0) == k for n in range(1000))] for k in range(most + 1)],
    [[d] + away(str(d), 0) + away(str(d), 1) + away(str(d), 2) for d in range(10)],
    [[sum(a[p] == b[p] for a, b in zip(draws, draws[1:]))] for p in range(3)],
]
faults = []
for page in ('history.html', 'history_ja.html'):
    with open(os.path.join(ROOT, 'html', page), encoding='utf-8') as f:
        shown = [[[int(c) for c in re.findall(r'<td[^>]*>(\d+)</td>', row)] for row in re.findall(r'<tr>(.*?)</tr>', t)
                  if '<td' in row] for t in re.findall(r'<table.*?</table>', f.read(), re.S)]
    faults += [f'{page}, table {n}: shows {have}, the results give {want}'
               for n, (have, want) in enumerate(zip(shown, expected), 1) if have != want]
    faults += [f'{page}: {len(shown)} tables, not {len(expected)}'] if len(shown) != len(expected) else []
print('\n'.join(faults) or 'history pages: every count agrees with the results')
sys.exit(1 if faults else 0)
