#!/usr/bin/env python3
"""Kills and damages results books, and counts what the book failed to keep.

    tools/book_torture.py kill   [--runs N] [--seed S] [--program PATH]
    tools/book_torture.py damage [--runs N] [--seed S] [--program PATH]

kill: runs numbers3-book on the command line (imports of results, ticket
imports, ticket exports, new books) and SIGKILLs it at a random moment. After
each kill the book must hold everything committed before the run, and either
none or all of the run's own change; an export must be whole or absent.
Counts: committed data lost, half-done changes, damaged books, half exports.

damage: damages copies of a book (flipped bytes, truncation, rows past the
schema's CHECK constraints, leftover journals) and opens each with the
program. A copy that SQLite's integrity check (run here, on a copy of the
copy) finds damaged must not open silently. Each copy has the base's
book.sqlite.checked beside it, as a book this program checked and closed. Counts: damaged books opened
silently, damaged books caught, harmless damage (a flip no check can see).

Not part of the suite: a run takes minutes. Needs a build (build/run/).
Every book lives in a temporary folder; no user's book is touched.
"""

import argparse
import os
import random
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FIRST_LATER_DRAW = 7065  # after the bundled draws 1..7064


def run(program, args, kill_after=None):
    """Runs the program; with kill_after, SIGKILLs it after that many seconds.
    Returns (finished, exit status, output)."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG="C.UTF-8")
    env.pop("LANGUAGE", None)
    p = subprocess.Popen([program] + args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env)
    try:
        out, _ = p.communicate(timeout=kill_after if kill_after is not None else 120)
        return True, p.returncode, out.decode("utf-8", "replace")
    except subprocess.TimeoutExpired:
        p.send_signal(signal.SIGKILL)
        out, _ = p.communicate()
        return False, -9, out.decode("utf-8", "replace")


def counts(book):
    """(three-digit draws, tickets) in the book, or None when it cannot be read whole."""
    if not os.path.exists(book):
        return (0, 0)
    try:
        db = sqlite3.connect(book, timeout=10)
        ok = db.execute("PRAGMA integrity_check").fetchone()[0] == "ok"
        if not ok:
            return None
        names = {r[0] for r in db.execute("SELECT name FROM sqlite_master WHERE type = 'table'")}
        # The three-digit game's draws: the later draws imported here are of it.
        columns = {r[1] for r in db.execute("PRAGMA table_info(draws)")} if "draws" in names else set()
        where = " WHERE game = 3" if "game" in columns else ""
        draws = db.execute("SELECT COUNT(*) FROM draws" + where).fetchone()[0] if "draws" in names else 0
        tickets = db.execute("SELECT COUNT(*) FROM tickets").fetchone()[0] if "tickets" in names else 0
        db.close()
        return (draws, tickets)
    except sqlite3.DatabaseError:
        return None


LAST_LATER_DRAW = 7119  # draws already held on the machine's date


def results_file(folder):
    """Test input only: draws after the last real one, never shown as results."""
    path = os.path.join(folder, "later.csv")
    with open(path, "w") as f:
        f.write("draw,date,number\n")
        for n in range(FIRST_LATER_DRAW, LAST_LATER_DRAW + 1):
            f.write("%d,,%03d\n" % (n, (n * 37) % 1000))
    return path


def tickets_file(folder, first, count):
    path = os.path.join(folder, "tickets-%d.csv" % first)
    with open(path, "w") as f:
        f.write("draw,number,way,units,note\n")
        for i in range(count):
            f.write("%d,%03d,straight,1,run %d\n" % (FIRST_LATER_DRAW + i % 50, (first + i) % 1000, first))
    return path


def broken_files(folder):
    return [n for n in os.listdir(folder) if ".broken-" in n]


def kill_runs(args):
    rng = random.Random(args.seed)
    tally = dict(runs=0, killed=0, lost=0, half=0, damaged=0, half_exports=0, moved_aside=0)
    with tempfile.TemporaryDirectory() as tmp:
        book = os.path.join(tmp, "book.sqlite")
        serial = 0
        for i in range(args.runs):
            kind = rng.choice(["import", "tickets", "export", "new"])
            if kind == "new":
                for name in os.listdir(tmp):
                    if name.startswith("book.sqlite"):
                        os.remove(os.path.join(tmp, name))
            before = counts(book)
            serial += 1
            if kind == "import":
                cmd = ["--import", results_file(tmp)]
                change = (LAST_LATER_DRAW - max(before[0], FIRST_LATER_DRAW - 1) if before else 0, 0)
            elif kind == "tickets":
                cmd, change = ["--import-tickets", tickets_file(tmp, serial, 300)], (0, 300)
            else:
                cmd, change = ["--export-tickets", os.path.join(tmp, "out-%d.csv" % serial)], (0, 0)
            delay = rng.uniform(0.0, 0.6)
            finished, status, out = run(args.program, ["--database", book] + cmd, kill_after=delay)
            tally["runs"] += 1
            tally["killed"] += not finished
            if broken_files(tmp):
                tally["moved_aside"] += 1
                print("run %d (%s): the book was moved aside:\n%s" % (i, kind, out), file=sys.stderr)
                for name in broken_files(tmp):
                    os.remove(os.path.join(tmp, name))
            after = counts(book)
            if after is None:
                tally["damaged"] += 1
                print("run %d (%s): the book is damaged" % (i, kind), file=sys.stderr)
                for name in os.listdir(tmp):
                    if name.startswith("book.sqlite"):
                        os.remove(os.path.join(tmp, name))
                continue
            base = before if before and kind != "new" else (0, 0)
            if after[0] < base[0] or after[1] < base[1]:
                tally["lost"] += 1
                print("run %d (%s): held %s before, %s after" % (i, kind, base, after), file=sys.stderr)
            elif kind in ("import", "tickets") and base[0] >= 7064 and after not in (base, (base[0] + change[0], base[1] + change[1])):
                tally["half"] += 1
                print("run %d (%s): %s before, %s after" % (i, kind, base, after), file=sys.stderr)
            if kind == "export":
                path = cmd[1]
                if os.path.exists(path):
                    with open(path) as f:
                        lines = f.read().splitlines()
                    if len(lines) != (after[1] + 1 if after[1] else 1) and not (not lines and after[1] == 0):
                        tally["half_exports"] += 1
                        print("run %d: export of %d lines for %d tickets" % (i, len(lines), after[1]), file=sys.stderr)
            for name in os.listdir(tmp):
                if name.startswith("out-") or name.startswith("later") or name.startswith("tickets-"):
                    os.remove(os.path.join(tmp, name))
    print("kill runs: %(runs)d, killed: %(killed)d; committed data lost: %(lost)d, half-done changes: %(half)d, "
          "damaged books: %(damaged)d, books moved aside: %(moved_aside)d, half exports: %(half_exports)d" % tally)
    return 0 if tally["lost"] == tally["half"] == tally["damaged"] == tally["half_exports"] == tally["moved_aside"] == 0 else 1


def damage(rng, book, kind):
    """Damages the book in place; returns what was done."""
    size = os.path.getsize(book)
    if kind == "flip":
        offset = rng.randrange(100, size)  # the header's first 100 bytes say what the file is
        with open(book, "r+b") as f:
            f.seek(offset)
            byte = f.read(1)[0]
            f.seek(offset)
            f.write(bytes([byte ^ (1 << rng.randrange(8))]))
        return "byte %d flipped" % offset
    if kind == "truncate":
        length = rng.randrange(1, size)
        os.truncate(book, length)
        return "cut to %d bytes" % length
    if kind == "check":
        db = sqlite3.connect(book)
        db.execute("PRAGMA ignore_check_constraints = ON")
        if rng.random() < 0.5:
            db.execute("UPDATE draws SET number = ? WHERE draw = ?", (rng.choice([1000, 1234, -1]), rng.randrange(1, 7065)))
        else:
            db.execute("UPDATE tickets SET way = ? WHERE id = (SELECT MIN(id) FROM tickets)", (rng.choice([4, 9, -1]),))
        db.commit()
        db.close()
        return "a row past its CHECK"
    # A journal left beside a book with a flipped byte.
    what = damage(rng, book, "flip")
    with open(book + "-journal", "wb") as f:
        f.write(bytes(rng.randrange(256) for _ in range(rng.choice([512, 4096]))))
    return what + ", with a leftover journal"


def damage_runs(args):
    rng = random.Random(args.seed)
    tally = dict(runs=0, silent=0, caught=0, harmless=0, refused=0)
    with tempfile.TemporaryDirectory() as tmp:
        base = os.path.join(tmp, "base.sqlite")
        finished, status, out = run(args.program, ["--database", base, "--import-tickets", tickets_file(tmp, 1, 300)])
        if not finished or status != 0:
            print("could not make the book to damage:\n" + out, file=sys.stderr)
            return 2
        for i in range(args.runs):
            folder = os.path.join(tmp, "run%d" % i)
            os.mkdir(folder)
            book = os.path.join(folder, "book.sqlite")
            shutil.copy(base, book)
            # With the base's check mark, so that its table prints decide
            # which tables are checked again.
            shutil.copy(base + ".checked", book + ".checked")
            kind = rng.choice(["flip", "flip", "truncate", "check", "journal"])
            what = damage(rng, book, kind)
            # The judge: SQLite's integrity check on a copy, journal and all.
            judge = os.path.join(tmp, "judge.sqlite")
            for suffix in ("", "-journal"):
                if os.path.exists(book + suffix):
                    shutil.copy(book + suffix, judge + suffix)
                elif os.path.exists(judge + suffix):
                    os.remove(judge + suffix)
            damaged = counts(judge) is None
            for suffix in ("", "-journal"):
                if os.path.exists(judge + suffix):
                    os.remove(judge + suffix)
            finished, status, out = run(args.program, ["--database", book, "--export-tickets", os.path.join(folder, "out.csv")])
            tally["runs"] += 1
            moved = bool(broken_files(folder))
            if moved:
                tally["caught"] += 1
            elif status != 0:
                tally["refused"] += 1
                print("run %d (%s): refused: %s" % (i, what, out.strip()), file=sys.stderr)
            elif damaged:
                tally["silent"] += 1
                print("run %d (%s): opened silently:\n%s" % (i, what, out.strip()), file=sys.stderr)
            else:
                tally["harmless"] += 1
            shutil.rmtree(folder)
    print("damage runs: %(runs)d; damaged books opened silently: %(silent)d, moved aside with a message: %(caught)d, "
          "refused with a message: %(refused)d, damage no check can see: %(harmless)d" % tally)
    return 0 if tally["silent"] == 0 else 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("what", choices=["kill", "damage"])
    parser.add_argument("--runs", type=int, default=200)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--program", default=os.path.join(ROOT, "build", "run", "numbers3-book"))
    args = parser.parse_args()
    return kill_runs(args) if args.what == "kill" else damage_runs(args)


if __name__ == "__main__":
    sys.exit(main())
