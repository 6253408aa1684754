#!/usr/bin/env python3
"""Writes the help pages on the past results, html/history.html and
html/history_ja.html, and their charts html/images/history_*.png, from the
built-in table src/bought/times_data.cpp: the very table the program compiles.

Run from anywhere:
  /usr/bin/python3 tools/gen_history.py          pages and charts (Debian's python3-matplotlib)
  python3 tools/gen_history.py --check           exit 1 when the pages differ from what the
                                                 table gives today; needs no plotting library
"""
import math
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
TABLE = os.path.join(ROOT, 'src', 'bought', 'times_data.cpp')
HTML = os.path.join(ROOT, 'html')
CHARTS = ['history_positions.png', 'history_any.png', 'history_sums.png', 'history_kinds.png']


def read_table():
    with open(TABLE, encoding='utf-8') as f:
        text = f.read()
    body = text[text.index('{', text.index('times_data[')) + 1:text.index('};')]
    values = [int(v) for v in re.findall(r'-?\d+', body)]
    assert len(values) == 2000, len(values)
    return values


def digits(v):
    return (v // 100, v // 10 % 10, v % 10)


def analyse(values):
    """Every figure the pages show. A 0 is a gap in the record and a value
    over 999 a misprint; neither is a draw."""
    s = {}
    s['gaps'] = [t for t, v in enumerate(values, 1) if v == 0]
    s['misprints'] = [(t, v) for t, v in enumerate(values, 1) if v > 999]
    draws = [v for v in values if 0 < v <= 999]
    n = len(draws)
    s['n'] = n
    s['positions'] = [[sum(1 for v in draws if digits(v)[p] == d) for p in range(3)] for d in range(10)]
    s['any'] = [sum(1 for v in draws if d in digits(v)) for d in range(10)]
    s['any_expected'] = n * (1 - 0.9 ** 3)
    ways = [sum(1 for v in range(1000) if sum(digits(v)) == total) for total in range(28)]
    s['sums'] = [(total, sum(1 for v in draws if sum(digits(v)) == total), n * ways[total] / 1000)
                 for total in range(28)]
    kinds = [len(set(digits(v))) for v in draws]
    s['kinds'] = [(kinds.count(3), n * 720 / 1000), (kinds.count(2), n * 270 / 1000),
                  (kinds.count(1), n * 10 / 1000)]
    counts = {}
    for v in draws:
        counts[v] = counts.get(v, 0) + 1
    top = sorted(counts.items(), key=lambda kv: (-kv[1], kv[0]))
    most = top[0][1]
    s['top'] = [(v, c, [t for t, x in enumerate(values, 1) if x == v]) for v, c in top if c >= most - 2]
    s['spread'] = [(k, sum(1 for v in range(1000) if counts.get(v, 0) == k),
                    1000 * math.comb(n, k) * 0.001 ** k * 0.999 ** (n - k)) for k in range(most + 1)]
    s['never'] = 1000 - len(counts)
    s['never_expected'] = 1000 * 0.999 ** n
    s['absence'] = []
    for d in range(10):
        row = []
        for p in range(3):
            run = longest = 0
            for v in draws:
                run = 0 if digits(v)[p] == d else run + 1
                longest = max(longest, run)
            row.append((run, longest))
        s['absence'].append(row)
    s['repeats'] = [sum(1 for a, b in zip(draws, draws[1:]) if digits(a)[p] == digits(b)[p]) for p in range(3)]
    return s


def one(x):
    return f'{x:.1f}'


def three(v):
    return f'{v:03d}'


def table(head, rows):
    out = ['<table border="1" cellpadding="3">', '<tr>' + ''.join(f'<th>{h}</th>' for h in head) + '</tr>']
    out += ['<tr>' + ''.join(f'<td align="right">{c}</td>' for c in row) + '</tr>' for row in rows]
    out.append('</table>')
    return '\n'.join(out)


TEXT = {
    'en': dict(
        title='The past results at a glance',
        links='<a href="index.html">Back to the help</a> &nbsp;|&nbsp; <a href="history_ja.html">日本語</a>',
        intro='The program carries 2000 past results, times 1 to 2000, the same table that '
              '<b>Data to Times</b> and <b>Times to Data</b> answer from. {odd} The figures below '
              'count the other {n} draws. Every draw is a fresh draw: none of these figures '
              'makes any number more or less likely next time.',
        gap='Times {t} is a gap in the record.', gaps='Times {t} are gaps in the record.',
        misprint='Times {t} holds the misprint {v}.',
        and_=' and ',
        positions='Each digit in each position',
        positions_text='How often each digit came up as the hundreds, tens and ones digit. '
                       'Chance gives each digit {e} draws in each position (the line).',
        positions_alt='Bars: draws per digit 0 to 9 in the hundreds, tens and ones position; line: chance',
        pos_head=['digit', 'hundreds', 'tens', 'ones', 'chance'],
        any='Each digit anywhere in the number',
        any_text='In how many draws each digit appears at all, in any position. Chance gives '
                 '{e} draws (1 &minus; 0.9&sup3; of them).',
        any_alt='Bars: draws in which each digit appears; line: chance',
        any_head=['digit', 'draws', 'chance'],
        sums='The sum of the three digits',
        sums_text='The sums run from 0 (000) to 27 (999); the middle sums have the most numbers, '
                  'so chance (the line) is a hill.',
        sums_alt='Bars: draws per sum 0 to 27; line: chance',
        sums_head=['sum', 'draws', 'chance'],
        kinds='Box kinds',
        kinds_text='Of 1000 numbers 720 have three different digits (6-way box), 270 a pair '
                   '(3-way box) and 10 are triples.',
        kinds_alt='Bars: draws of each box kind, drawn beside what chance gives',
        kinds_head=['kind', 'draws', 'chance'],
        kind_names=['all different', 'a pair', 'a triple'],
        top='The numbers drawn most often',
        top_head=['number', 'draws', 'times'],
        spread_head=['drawn', 'numbers', 'chance'],
        never_text='{never} of the 1000 numbers never came up; chance gives about {e} '
                   '(1000 &times; 0.999<sup>{n}</sup>). How many numbers came up how often:',
        absence='How long each digit has been away',
        absence_text='For each position: how many draws have passed since the digit last came up '
                     'there, at times 2000 (0: it came up in the last draw), and its longest absence.',
        abs_head=['digit', 'hundreds now', 'longest', 'tens now', 'longest', 'ones now', 'longest'],
        repeats='The same digit again in the next draw',
        repeats_text='How often a position shows the same digit as in the draw before it, out of '
                     '{pairs} pairs of draws in a row. Chance gives 10% ({e}).',
        rep_head=['position', 'repeats', 'share'],
        pos_names=['hundreds', 'tens', 'ones'],
    ),
    'ja': dict(
        title='過去の当選番号のまとめ',
        links='<a href="index_ja.html">ヘルプに戻る</a> &nbsp;|&nbsp; <a href="history.html">English</a>',
        intro='プログラムには第 1 回から第 2000 回までの 2000 回分の当選番号が入っています。'
              '<b>Data to Times</b> と <b>Times to Data</b> が答えに使う表と同じものです。{odd}'
              '下の数字はそれ以外の {n} 回を数えたものです。抽せんは毎回新しく行われ、'
              'ここにある数字で次に出やすい数字や出にくい数字が決まることはありません。',
        gap='第 {t} 回は記録が欠けています。', gaps='第 {t} 回は記録が欠けています。',
        misprint='第 {t} 回には誤記の {v} が入っています。',
        and_='、',
        positions='けたごとの数字',
        positions_text='百の位、十の位、一の位にそれぞれの数字が出た回数です。'
                       '偶然ならどの数字もどの位でも {e} 回です（線）。',
        positions_alt='棒：百の位・十の位・一の位に 0〜9 が出た回数、線：偶然の場合',
        pos_head=['数字', '百の位', '十の位', '一の位', '偶然なら'],
        any='どこかの位に出た数字',
        any_text='位を問わず、その数字を含む回の数です。偶然なら {e} 回（1 &minus; 0.9&sup3;）です。',
        any_alt='棒：その数字を含む回の数、線：偶然の場合',
        any_head=['数字', '回数', '偶然なら'],
        sums='3 つの数字の和',
        sums_text='和は 0（000）から 27（999）まであります。真ん中の和ほど当てはまる数字が多いので、'
                  '偶然の場合（線）は山の形になります。',
        sums_alt='棒：和 0〜27 ごとの回数、線：偶然の場合',
        sums_head=['和', '回数', '偶然なら'],
        kinds='ボックスの種類',
        kinds_text='1000 通りの数字のうち、3 つとも違う（6 通りのボックス）ものが 720、2 つが同じ'
                   '（3 通りのボックス）ものが 270、ぞろ目が 10 です。',
        kinds_alt='棒：種類ごとの回数と偶然の場合',
        kinds_head=['種類', '回数', '偶然なら'],
        kind_names=['3 つとも違う', '2 つが同じ', 'ぞろ目'],
        top='よく出た数字',
        top_head=['数字', '回数', '回'],
        spread_head=['出た回数', '数字の数', '偶然なら'],
        never_text='1000 通りのうち {never} 通りは一度も出ていません。偶然ならおよそ {e} 通り'
                   '（1000 × 0.999<sup>{n}</sup>）です。何回出た数字がいくつあるかは次のとおりです。',
        absence='出ていない回数',
        absence_text='位ごとに、第 2000 回の時点でその数字が最後に出てから何回たったか'
                     '（0 は最後の回に出たこと）と、出なかった最も長い回数です。',
        abs_head=['数字', '百の位 今', '最長', '十の位 今', '最長', '一の位 今', '最長'],
        repeats='次の回も同じ数字',
        repeats_text='続いた 2 回（{pairs} 組）のうち、同じ位に同じ数字が出た回数です。'
                     '偶然なら 10%（{e} 回）です。',
        rep_head=['位', '回数', '割合'],
        pos_names=['百の位', '十の位', '一の位'],
    ),
}


def page(lang, s):
    t = TEXT[lang]
    n = s['n']
    odd = []
    for tt, v in s['misprints']:
        odd.append(t['misprint'].format(t=tt, v=v))
    if s['gaps']:
        key = 'gaps' if len(s['gaps']) > 1 else 'gap'
        listed = [str(g) for g in s['gaps']]
        if lang == 'en' and len(listed) > 1:
            listed = [', '.join(listed[:-1]), listed[-1]]
        odd.append(t[key].format(t=t['and_'].join(listed)))
    out = ['<html>', f'<head><meta charset="utf-8"><title>{t["title"]}</title></head>', '<body>',
           f'<h1>{t["title"]}</h1>', f'<p>{t["links"]}</p>',
           '<p>' + t['intro'].format(odd=' '.join(odd) if lang == 'en' else ''.join(odd), n=n) + '</p>']

    out += [f'<h2>{t["positions"]}</h2>', '<p>' + t['positions_text'].format(e=one(n / 10)) + '</p>',
            f'<p><img src="images/{CHARTS[0]}" alt="{t["positions_alt"]}"></p>',
            table(t['pos_head'], [[d] + s['positions'][d] + [one(n / 10)] for d in range(10)])]

    out += [f'<h2>{t["any"]}</h2>', '<p>' + t['any_text'].format(e=one(s['any_expected'])) + '</p>',
            f'<p><img src="images/{CHARTS[1]}" alt="{t["any_alt"]}"></p>',
            table(t['any_head'], [[d, s['any'][d], one(s['any_expected'])] for d in range(10)])]

    out += [f'<h2>{t["sums"]}</h2>', f'<p>{t["sums_text"]}</p>',
            f'<p><img src="images/{CHARTS[2]}" alt="{t["sums_alt"]}"></p>',
            table(t['sums_head'], [[total, c, one(e)] for total, c, e in s['sums']])]

    out += [f'<h2>{t["kinds"]}</h2>', f'<p>{t["kinds_text"]}</p>',
            f'<p><img src="images/{CHARTS[3]}" alt="{t["kinds_alt"]}"></p>',
            table(t['kinds_head'], [[name, c, one(e)] for name, (c, e) in zip(t['kind_names'], s['kinds'])])]

    out += [f'<h2>{t["top"]}</h2>',
            table(t['top_head'], [[three(v), c, ', '.join(str(x) for x in times)] for v, c, times in s['top']]),
            '<p>' + t['never_text'].format(never=s['never'], e=one(s['never_expected']), n=n) + '</p>',
            table(t['spread_head'], [[k, c, one(e)] for k, c, e in s['spread']])]

    out += [f'<h2>{t["absence"]}</h2>', f'<p>{t["absence_text"]}</p>',
            table(t['abs_head'], [[d] + [x for now_longest in s['absence'][d] for x in now_longest]
                                  for d in range(10)])]

    pairs = n - 1
    out += [f'<h2>{t["repeats"]}</h2>',
            '<p>' + t['repeats_text'].format(pairs=pairs, e=one(pairs / 10)) + '</p>',
            table(t['rep_head'], [[name, r, f'{100 * r / pairs:.1f}%']
                                  for name, r in zip(t['pos_names'], s['repeats'])])]
    out += ['</body>', '</html>', '']
    return '\n'.join(out)


def charts(s):
    import matplotlib
    matplotlib.use('Agg')
    import matplotlib.pyplot as plt

    # No words in the charts: the pages say what they show, in their language.
    plt.rcParams.update({'font.size': 9, 'svg.hashsalt': 'numbers3'})
    bar, line = '#4c72b0', '#c44e52'
    n = s['n']

    def save(fig, name):
        fig.tight_layout()
        fig.savefig(os.path.join(HTML, 'images', name), dpi=100, metadata={'Software': None})
        plt.close(fig)

    fig, axes = plt.subplots(1, 3, figsize=(6.8, 2.2), sharey=True)
    for p, ax in enumerate(axes):
        ax.bar(range(10), [s['positions'][d][p] for d in range(10)], color=bar)
        ax.axhline(n / 10, color=line)
        ax.set_xticks(range(10))
        ax.set_title(['100', '10', '1'][p])
    save(fig, CHARTS[0])

    fig, ax = plt.subplots(figsize=(6.8, 2.2))
    ax.bar(range(10), s['any'], color=bar)
    ax.axhline(s['any_expected'], color=line)
    ax.set_xticks(range(10))
    save(fig, CHARTS[1])

    fig, ax = plt.subplots(figsize=(6.8, 2.4))
    ax.bar([x for x, _, _ in s['sums']], [c for _, c, _ in s['sums']], color=bar)
    ax.plot([x for x, _, _ in s['sums']], [e for _, _, e in s['sums']], color=line, marker='.')
    ax.set_xticks(range(0, 28, 3))
    save(fig, CHARTS[2])

    fig, ax = plt.subplots(figsize=(4.0, 2.2))
    xs = range(3)
    ax.bar([x - 0.2 for x in xs], [c for c, _ in s['kinds']], width=0.4, color=bar)
    ax.bar([x + 0.2 for x in xs], [e for _, e in s['kinds']], width=0.4, color=line)
    ax.set_xticks(list(xs))
    ax.set_xticklabels(['123', '055', '777'])
    save(fig, CHARTS[3])


def main():
    s = analyse(read_table())
    pages = {f'history{"" if lang == "en" else "_" + lang}.html': page(lang, s) for lang in TEXT}
    if '--check' in sys.argv:
        stale = []
        for name, text in pages.items():
            path = os.path.join(HTML, name)
            if not os.path.exists(path) or open(path, encoding='utf-8').read() != text:
                stale.append(name)
        stale += [name for name in CHARTS if not os.path.exists(os.path.join(HTML, 'images', name))]
        if stale:
            print('out of date with src/bought/times_data.cpp: ' + ', '.join(stale)
                  + '; run tools/gen_history.py')
            return 1
        print(f'history pages match the table ({s["n"]} draws)')
        return 0
    for name, text in pages.items():
        with open(os.path.join(HTML, name), 'w', encoding='utf-8') as f:
            f.write(text)
    charts(s)
    return 0


if __name__ == '__main__':
    sys.exit(main())
