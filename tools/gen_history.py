#!/usr/bin/env python3
"""Writes the help pages on the past results, html/history.html and
html/history_ja.html, and their charts html/images/history_*.png (one set per
language), from draws 1 to 2000 of data/numbers3-results.csv. The pages also
name the entries where the program's table src/bought/times_data.cpp differs.

The figures come from the results book's own statistics code, through the
tool draw_stats_json (tools/draw_stats_json.cpp, built with the programs), so
that a page and the book's statistics view cannot disagree.

Run from anywhere:
  /usr/bin/python3 tools/gen_history.py          pages and charts (Debian's python3-matplotlib)
  python3 tools/gen_history.py --check           exit 1 when a page or chart is out of date;
                                                 needs no plotting library
  --stats-tool PATH                              the tool (default build/tools/draw_stats_json)
"""
import csv
import hashlib
import inspect
import json
import math
import os
import re
import struct
import subprocess
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
RESULTS = os.path.join(ROOT, 'data', 'numbers3-results.csv')
TABLE = os.path.join(ROOT, 'src', 'bought', 'times_data.cpp')
HTML = os.path.join(ROOT, 'html')
SIZE = 2000
CHARTS = ['positions', 'any', 'sums', 'kinds']
JAPANESE_FONT = '/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf'
BAR, LINE = '#4c72b0', '#c44e52'
CHART_WORDS = ['drawn', 'chance', 'digit', 'draws', 'pos_names', 'positions_title', 'any_title', 'sums_title',
               'sum_label', 'kinds_title', 'kind_chart']


def chart_name(chart, lang):
    return f'history_{chart}{"" if lang == "en" else "_" + lang}.png'


def read_draws():
    with open(RESULTS, encoding='utf-8', newline='') as f:
        rows = list(csv.DictReader(f))[:SIZE]
    assert [int(r['draw']) for r in rows] == list(range(1, SIZE + 1)), 'draws 1 to 2000 in order'
    return [int(r['number']) for r in rows], rows[0]['date'], rows[-1]['date']


def read_table():
    with open(TABLE, encoding='utf-8') as f:
        text = f.read()
    body = text[text.index('{', text.index('times_data[')) + 1:text.index('};')]
    values = [int(v) for v in re.findall(r'-?\d+', body)]
    assert len(values) == SIZE, len(values)
    return values


def stats_tool():
    if '--stats-tool' in sys.argv:
        return sys.argv[sys.argv.index('--stats-tool') + 1]
    return os.path.join(ROOT, 'build', 'tools', 'draw_stats_json')


def analyse(draws, table):
    """Every figure the pages show, over the real draws in order, as the book's statistics code counts them."""
    tool = stats_tool()
    if not os.path.exists(tool):
        sys.exit(f'{tool} is missing: build the target draw_stats_json first, or name it with --stats-tool')
    out = subprocess.run([tool, RESULTS, '--first', str(SIZE)], check=True, capture_output=True, text=True).stdout
    j = json.loads(out)
    assert j['draws'] == list(range(1, SIZE + 1)) and j['n'] == len(draws), 'the tool counted draws 1 to 2000'
    s = {}
    s['n'] = j['n']
    s['differs'] = [(t, v, d) for t, (v, d) in enumerate(zip(table, draws), 1) if v != d]
    s['zeros'] = j['zeros']
    s['positions'] = j['positions']
    s['position_expected'] = j['position_expected']
    s['any'] = j['any']
    s['any_expected'] = j['any_expected']
    s['sums'] = [tuple(row) for row in j['sums']]
    s['kinds'] = [(c, e) for _, c, e in j['kinds']]
    s['top'] = [tuple(row) for row in j['top']]
    s['spread'] = [tuple(row) for row in j['spread']]
    s['distinct'] = j['distinct']
    s['never'] = j['never']
    s['never_expected'] = j['never_expected']
    s['absence'] = [[tuple(cell) for cell in row] for row in j['absence']]
    s['repeats'] = j['repeats']
    s['pairs'] = j['pairs']
    s['repeat_expected'] = j['repeat_expected']
    return s


def one(x):
    # Halves up, as the book's statistics tab shows chance (0.15 as 0.2).
    return f'{math.floor(x * 10 + 0.5 + 1e-9) / 10:.1f}'


def three(v):
    return f'{v:03d}'


def table(head, rows):
    out = ['<table border="1" cellpadding="3">', '<tr>' + ''.join(f'<th>{h}</th>' for h in head) + '</tr>']
    out += ['<tr>' + ''.join(f'<td align="right">{c}</td>' for c in row) + '</tr>' for row in rows]
    out.append('</table>')
    return '\n'.join(out)


def listing(items, lang):
    items = [str(i) for i in items]
    if lang == 'ja':
        return '、'.join(items)
    return items[0] if len(items) == 1 else ', '.join(items[:-1]) + ' and ' + items[-1]


TEXT = {
    'en': dict(
        title='The past results at a glance',
        links='<a href="index.html">Back to the help</a> &nbsp;|&nbsp; <a href="history_ja.html">日本語</a>',
        intro='These are the real results of draws 1 to {n}, from {first} to {last}. They were compiled from '
              'a public archive of the results the operator publishes, the history files of the GitHub '
              'repository Joker7822/Numbers3 as they stood in September 2026, and checked against the draw '
              'calendar. <b>Data to Times</b> and <b>Times to Data</b> answer from the same results; there a '
              'draw\'s serial number is called its times.',
        differs='Their table differs in {count} only, which keep the values it has always held: {list}. '
                'The figures below count the real results.',
        differ='times {t} holds {v} (the draw was {d})',
        entries={1: 'one entry', 2: 'two entries', 3: 'three entries'},
        zeros='Draws {list} came up 000.',
        fresh='Every draw is a fresh draw: none of these figures makes any number more or less likely next time.',
        drawn='drawn', chance='chance', digit='digit', draws='draws',
        positions='Each digit in each position',
        positions_text='How often each digit came up as the hundreds, tens and ones digit. Chance gives each '
                       'digit {e} draws in each position (the red line).',
        positions_alt='Bars: draws per digit 0 to 9 in the hundreds, tens and ones position; red line: chance',
        positions_title='Draws per digit in each position',
        pos_head=['digit', 'hundreds', 'tens', 'ones', 'chance'],
        any='Each digit anywhere in the number',
        any_text='In how many draws each digit appears at all, in any position. Chance gives {e} draws '
                 '(1 &minus; 0.9&sup3; of them, the red line).',
        any_alt='Bars: draws in which each digit appears; red line: chance',
        any_title='Draws in which each digit appears',
        any_head=['digit', 'draws', 'chance'],
        sums='The sum of the three digits',
        sums_text='The sums run from 0 (000) to 27 (999); the middle sums have the most numbers, so chance '
                  '(the red line) is a hill.',
        sums_alt='Bars: draws per sum 0 to 27; red line: chance',
        sums_title='Draws per sum of the three digits',
        sum_label='sum of the digits',
        sums_head=['sum', 'draws', 'chance'],
        kinds='Box kinds',
        kinds_text='Of the 1000 numbers, 720 have three different digits (120 boxes of 6 orders each: the '
                   '6-way boxes), 270 have a pair (90 boxes of 3 orders: the 3-way boxes) and 10 are '
                   'triples. The table counts numbers, as the draws do; '
                   '<a href="bets.html">Ways to buy</a> counts boxes too. In the chart, blue is drawn and '
                   'red is chance; each kind has its own scale.',
        kinds_alt='Bars for each box kind, each with its own scale: blue, draws; red, chance',
        kinds_title='Draws per box kind',
        kinds_head=['kind', 'numbers of this kind', 'draws', 'chance'],
        kind_names=['all different', 'a pair', 'a triple'],
        kind_chart=['all different\n(e.g. 123)', 'a pair\n(e.g. 055)', 'a triple\n(e.g. 777)'],
        top='The numbers drawn most often',
        top_head=['number', 'draws', 'at draws'],
        spread_head=['drawn', 'numbers', 'chance'],
        never_text='{distinct} different numbers came up; {never} of the 1000 numbers never did, where chance '
                   'gives about {e} (1000 &times; 0.999<sup>{n}</sup>). How many numbers came up how often:',
        absence='How long each digit has been away',
        absence_text='For each position: how many draws have passed since the digit last came up there, at '
                     'draw {n} (0: it came up in the last draw), and its longest absence.',
        abs_head=['digit', 'hundreds now', 'longest', 'tens now', 'longest', 'ones now', 'longest'],
        repeats='The same digit again in the next draw',
        repeats_text='How often a position shows the same digit as in the draw before it, out of {pairs} '
                     'pairs of draws in a row. Chance gives 10% ({e}).',
        rep_head=['position', 'repeats', 'share'],
        pos_names=['hundreds', 'tens', 'ones'],
    ),
    'ja': dict(
        title='過去の当選番号のまとめ',
        links='<a href="index_ja.html">ヘルプに戻る</a> &nbsp;|&nbsp; <a href="history.html">English</a>',
        intro='第 1 回から第 {n} 回まで（{first}〜{last}）の実際の当選番号です。発売元が公表した当選番号を'
              'まとめた公開のアーカイブ（GitHub のリポジトリ Joker7822/Numbers3 の履歴ファイル、2026 年 9 月'
              '時点）から集め、抽せん日の暦と照らし合わせてあります。<b>当選番号から回号へ</b>と'
              '<b>回号から当選番号へ</b>も同じ当選番号から答えます。',
        differs='ただしその表は {count} か所だけ、昔から持っている値のままです：{list}。'
                '下の数字は実際の当選番号を数えたものです。',
        differ='第 {t} 回は {v}（実際は {d}）',
        entries={},
        zeros='第 {list} 回の当選番号は 000 でした。',
        fresh='抽せんは毎回新しく行われ、ここにある数字で次に出やすい数字や出にくい数字が決まることはありません。',
        drawn='出た回数', chance='偶然なら', digit='数字', draws='回数',
        positions='けたごとの数字',
        positions_text='百の位、十の位、一の位にそれぞれの数字が出た回数です。偶然ならどの数字もどの位でも '
                       '{e} 回です（赤い線）。',
        positions_alt='棒：百の位・十の位・一の位に 0〜9 が出た回数、赤い線：偶然の場合',
        positions_title='位ごとに各数字が出た回数',
        pos_head=['数字', '百の位', '十の位', '一の位', '偶然なら'],
        any='どこかの位に出た数字',
        any_text='位を問わず、その数字を含む回の数です。偶然なら {e} 回（1 &minus; 0.9&sup3;、赤い線）です。',
        any_alt='棒：その数字を含む回の数、赤い線：偶然の場合',
        any_title='各数字を含む回の数',
        any_head=['数字', '回数', '偶然なら'],
        sums='3 つの数字の和',
        sums_text='和は 0（000）から 27（999）まであります。真ん中の和ほど当てはまる数字が多いので、'
                  '偶然の場合（赤い線）は山の形になります。',
        sums_alt='棒：和 0〜27 ごとの回数、赤い線：偶然の場合',
        sums_title='3 つの数字の和ごとの回数',
        sum_label='3 つの数字の和',
        sums_head=['和', '回数', '偶然なら'],
        kinds='ボックスの種類',
        kinds_text='1000 通りの数字のうち、3 つとも違うものが 720（6 通りのボックス 120 組）、2 つが同じものが '
                   '270（3 通りのボックス 90 組）、ぞろ目が 10 です。表は抽せんと同じく数字の数で数えています。'
                   'ボックスの数は<a href="bets_ja.html">買い方</a>にもあります。グラフの青は出た回数、赤は'
                   '偶然の場合で、目盛りは種類ごとに違います。',
        kinds_alt='ボックスの種類ごとの棒（目盛りは種類ごと）：青は出た回数、赤は偶然の場合',
        kinds_title='ボックスの種類ごとの回数',
        kinds_head=['種類', 'その種類の数字の数', '回数', '偶然なら'],
        kind_names=['3 つとも違う', '2 つが同じ', 'ぞろ目'],
        kind_chart=['3 つとも違う\n（例 123）', '2 つが同じ\n（例 055）', 'ぞろ目\n（例 777）'],
        top='よく出た数字',
        top_head=['数字', '回数', '出た回'],
        spread_head=['出た回数', '数字の数', '偶然なら'],
        never_text='出た数字は {distinct} 通りで、1000 通りのうち {never} 通りは一度も出ていません。偶然なら'
                   'およそ {e} 通り（1000 × 0.999<sup>{n}</sup>）です。何回出た数字がいくつあるかは次のとおりです。',
        absence='出ていない回数',
        absence_text='位ごとに、第 {n} 回の時点でその数字が最後に出てから何回たったか（0 は最後の回に出たこと）と、'
                     '出なかった最も長い回数です。',
        abs_head=['数字', '百の位 今', '最長', '十の位 今', '最長', '一の位 今', '最長'],
        repeats='次の回も同じ数字',
        repeats_text='続いた 2 回（{pairs} 組）のうち、同じ位に同じ数字が出た回数です。偶然なら 10%（{e} 回）です。',
        rep_head=['位', '回数', '割合'],
        pos_names=['百の位', '十の位', '一の位'],
    ),
}


def page(lang, s, first, last):
    t = TEXT[lang]
    n = s['n']
    gap = ' ' if lang == 'en' else ''
    intro = [t['intro'].format(n=n, first=first, last=last)]
    if s['differs']:
        k = len(s['differs'])
        intro.append(t['differs'].format(count=t['entries'].get(k, str(k) if lang == 'ja' else f'{k} entries'),
                                         list=listing([t['differ'].format(t=tt, v=v, d=d)
                                                       for tt, v, d in s['differs']], lang)))
    if s['zeros']:
        intro.append(t['zeros'].format(list=listing(s['zeros'], lang)))
    intro.append(t['fresh'])
    img = lambda chart, alt: f'<p><img src="images/{chart_name(chart, lang)}" alt="{alt}"></p>'

    out = ['<html>', f'<head><meta charset="utf-8"><title>{t["title"]}</title></head>', '<body>',
           f'<h1>{t["title"]}</h1>', f'<p>{t["links"]}</p>', '<p>' + gap.join(intro) + '</p>']

    out += [f'<h2>{t["positions"]}</h2>', '<p>' + t['positions_text'].format(e=one(s['position_expected'])) + '</p>',
            img('positions', t['positions_alt']),
            table(t['pos_head'], [[d] + s['positions'][d] + [one(s['position_expected'])] for d in range(10)])]

    out += [f'<h2>{t["any"]}</h2>', '<p>' + t['any_text'].format(e=one(s['any_expected'])) + '</p>',
            img('any', t['any_alt']),
            table(t['any_head'], [[d, s['any'][d], one(s['any_expected'])] for d in range(10)])]

    out += [f'<h2>{t["sums"]}</h2>', f'<p>{t["sums_text"]}</p>', img('sums', t['sums_alt']),
            table(t['sums_head'], [[total, c, one(e)] for total, c, e in s['sums']])]

    out += [f'<h2>{t["kinds"]}</h2>', f'<p>{t["kinds_text"]}</p>', img('kinds', t['kinds_alt']),
            table(t['kinds_head'], [[name, numbers, c, one(e)] for name, numbers, (c, e)
                                    in zip(t['kind_names'], [720, 270, 10], s['kinds'])])]

    out += [f'<h2>{t["top"]}</h2>',
            table(t['top_head'], [[three(v), c, ', '.join(str(x) for x in times)] for v, c, times in s['top']]),
            '<p>' + t['never_text'].format(distinct=s['distinct'], never=s['never'],
                                           e=one(s['never_expected']), n=n) + '</p>',
            table(t['spread_head'], [[k, c, one(e)] for k, c, e in s['spread']])]

    out += [f'<h2>{t["absence"]}</h2>', '<p>' + t['absence_text'].format(n=n) + '</p>',
            table(t['abs_head'], [[d] + [x for now_longest in s['absence'][d] for x in now_longest]
                                  for d in range(10)])]

    pairs = s['pairs']
    out += [f'<h2>{t["repeats"]}</h2>',
            '<p>' + t['repeats_text'].format(pairs=pairs, e=one(s['repeat_expected'])) + '</p>',
            table(t['rep_head'], [[name, r, f'{100 * r / pairs:.1f}%']
                                  for name, r in zip(t['pos_names'], s['repeats'])])]
    out += ['</body>', '</html>', '']
    return '\n'.join(out)


def chart_stamp(lang, s):
    """Written into each chart, so that --check can tell a stale chart without drawing it."""
    words = [TEXT[lang][key] for key in CHART_WORDS]
    figures = repr((words, s['positions'], s['any'], s['sums'], s['kinds'], inspect.getsource(charts)))
    return 'numbers3 history ' + hashlib.sha256(figures.encode('utf-8')).hexdigest()[:16]


def png_description(path):
    """The Description text of a PNG file, read without any imaging library."""
    with open(path, 'rb') as f:
        data = f.read()
    pos = 8
    while pos + 8 <= len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        if kind == b'tEXt':
            key, _, value = data[pos + 8:pos + 8 + length].partition(b'\0')
            if key == b'Description':
                return value.decode('latin-1')
        pos += 12 + length
    return None


def charts(lang, s):
    import matplotlib
    matplotlib.use('Agg')
    import matplotlib.pyplot as plt
    from matplotlib import font_manager

    t = TEXT[lang]
    rc = {'font.size': 9, 'axes.titlesize': 9, 'legend.fontsize': 8}
    if lang == 'ja':
        font_manager.fontManager.addfont(JAPANESE_FONT)
        rc['font.family'] = font_manager.FontProperties(fname=JAPANESE_FONT).get_name()
    plt.rcdefaults()
    plt.rcParams.update(rc)
    stamp = chart_stamp(lang, s)
    n = s['n']

    def save(fig, chart):
        fig.savefig(os.path.join(HTML, 'images', chart_name(chart, lang)), dpi=100,
                    metadata={'Software': None, 'Description': stamp})
        plt.close(fig)

    fig, axes = plt.subplots(1, 3, figsize=(6.8, 2.7), sharey=True, layout='constrained')
    for p, ax in enumerate(axes):
        handles = [ax.bar(range(10), [s['positions'][d][p] for d in range(10)], color=BAR, label=t['drawn']),
                   ax.axhline(n / 10, color=LINE, label=t['chance'])]
        ax.set_xticks(range(10))
        ax.set_title(t['pos_names'][p])
        ax.set_xlabel(t['digit'])
    axes[0].set_ylabel(t['draws'])
    axes[0].set_ylim(0, max(max(row) for row in s['positions']) * 1.3)
    axes[2].legend(handles=handles, loc='upper right', ncols=2, framealpha=0.9)
    fig.suptitle(t['positions_title'], fontsize=10)
    save(fig, 'positions')

    fig, ax = plt.subplots(figsize=(6.8, 2.6), layout='constrained')
    handles = [ax.bar(range(10), s['any'], color=BAR, label=t['drawn']),
               ax.axhline(s['any_expected'], color=LINE, label=t['chance'])]
    ax.set_xticks(range(10))
    ax.set_xlabel(t['digit'])
    ax.set_ylabel(t['draws'])
    ax.set_title(t['any_title'], fontsize=10)
    ax.set_ylim(0, max(s['any']) * 1.3)
    ax.legend(handles=handles, loc='upper right', ncols=2, framealpha=0.9)
    save(fig, 'any')

    fig, ax = plt.subplots(figsize=(6.8, 2.8), layout='constrained')
    handles = [ax.bar([x for x, _, _ in s['sums']], [c for _, c, _ in s['sums']], color=BAR, label=t['drawn'])]
    handles += ax.plot([x for x, _, _ in s['sums']], [e for _, _, e in s['sums']], color=LINE, marker='.',
                       label=t['chance'])
    ax.set_xticks(range(0, 28, 3))
    ax.set_xlabel(t['sum_label'])
    ax.set_ylabel(t['draws'])
    ax.set_title(t['sums_title'], fontsize=10)
    ax.legend(handles=handles, loc='upper right', framealpha=0.9)
    save(fig, 'sums')

    # A triple is 1 number in 100, so each kind gets its own scale.
    fig, axes = plt.subplots(1, 3, figsize=(6.8, 2.9))
    fig.subplots_adjust(left=0.1, right=0.98, top=0.72, bottom=0.2, wspace=0.45)
    for k, ax in enumerate(axes):
        drawn, expected = s['kinds'][k]
        bars = ax.bar([0, 1], [drawn, expected], color=[BAR, LINE], width=0.6)
        bars[0].set_label(t['drawn'])
        bars[1].set_label(t['chance'])
        ax.bar_label(bars, labels=[str(drawn), one(expected)], padding=2)
        ax.set_ylim(0, max(drawn, expected) * 1.2)
        ax.set_xticks([0, 1])
        ax.set_xticklabels([t['drawn'], t['chance']])
        ax.set_title(t['kind_chart'][k])
    axes[0].set_ylabel(t['draws'])
    fig.legend(handles=list(bars), loc='lower center', ncols=2)
    fig.suptitle(t['kinds_title'], fontsize=10)
    save(fig, 'kinds')


def main():
    draws, first, last = read_draws()
    s = analyse(draws, read_table())
    pages = {f'history{"" if lang == "en" else "_" + lang}.html': page(lang, s, first, last) for lang in TEXT}
    if '--check' in sys.argv:
        stale = []
        for name, text in pages.items():
            path = os.path.join(HTML, name)
            if not os.path.exists(path) or open(path, encoding='utf-8').read() != text:
                stale.append(name)
        for lang in TEXT:
            for chart in CHARTS:
                path = os.path.join(HTML, 'images', chart_name(chart, lang))
                if not os.path.exists(path) or png_description(path) != chart_stamp(lang, s):
                    stale.append(chart_name(chart, lang))
        if stale:
            print('out of date with data/numbers3-results.csv and the table: ' + ', '.join(stale)
                  + '; run /usr/bin/python3 tools/gen_history.py')
            return 1
        print(f'history pages and charts match the results ({s["n"]} draws)')
        return 0
    for name, text in pages.items():
        with open(os.path.join(HTML, name), 'w', encoding='utf-8') as f:
            f.write(text)
    for lang in TEXT:
        charts(lang, s)
    return 0


if __name__ == '__main__':
    sys.exit(main())
