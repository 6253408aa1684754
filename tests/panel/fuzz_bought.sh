#!/usr/bin/env bash
# Runs the bought-number window's stateful fuzzing for as many steps as asked,
# and checks every trace line the window prints meanwhile: each line in its
# exact format; the lines of one search or one Clear numbered 0, 1, 2, ...;
# one search's lines all with the same count and searched number, the count
# being how many of its lines hold that number; and the store a search lists
# only growing at its end until a Clear. Any other line, or a test failure,
# fails the run.
#   tests/panel/fuzz_bought.sh [STEPS [SEED]]      (defaults: 1000000 steps, a seed from the clock)
set -euo pipefail
cd "$(dirname "$0")/../.."
steps=${1:-1000000}
seed=${2:-$(( $(date +%s) % 2147483647 ))}
scripts/setup.sh
cd "${BUILD_DIR:-build}/run"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

check_traces() {
    python3 -c '
import re, sys

BOUGHT = re.compile(r"bought_no\[(0|[1-9][0-9]*)\]=(-?[1-9][0-9]*),d=(0|[1-9][0-9]*),o=(-?[1-9][0-9]*)")
BOUT = re.compile(r"bout_no\[(0|[1-9][0-9]*)\]=0")
MODES = {"data to times=1", "times to data=2"}
errors = []
counts = {"search": 0, "clear": 0, "mode": 0}
group = None   # the search or Clear being read: [kind, first line, values, d, o]
store = []     # the store as the last search listed it, since the last Clear

def fail(number, what):
    errors.append(f"line {number}: {what}")

def close():
    global group, store
    if group is None:
        return
    kind, first, values, d, o = group
    group = None
    counts[kind] += 1
    if kind == "clear":
        if len(values) < len(store):
            fail(first, f"a Clear of {len(values)} entries after a search listed {len(store)}")
        store = []
        return
    hits = values.count(o)
    if hits != d:
        fail(first, f"d={d}, but {hits} of the search lines hold {o}")
    if values[:len(store)] != store:
        fail(first, "the store changed other than at its end between two searches")
    store = values

number = 0
for number, raw in enumerate(sys.stdin, 1):
    line = raw.rstrip("\n")
    bought, bout = BOUGHT.fullmatch(line), BOUT.fullmatch(line)
    if bought or bout:
        kind = "search" if bought else "clear"
        index = int((bought or bout).group(1))
        d, o = (int(bought.group(3)), int(bought.group(4))) if bought else (None, None)
        if index == 0:
            close()
            group = [kind, number, [], d, o]
        elif group is None or group[0] != kind or index != len(group[2]):
            fail(number, f"out of order: {line!r}")
            continue
        elif (d, o) != (group[3], group[4]):
            fail(number, f"count or searched number changed within one search: {line!r}")
        if index >= 1000:
            fail(number, f"position past the store of 1000: {line!r}")
        group[2].append(int(bought.group(2)) if bought else 0)
    elif line in MODES:
        close()
        counts["mode"] += 1
    else:
        fail(number, f"not a trace line: {line!r}")
    if len(errors) >= 20:
        break
close()
searches, clears, modes = counts["search"], counts["clear"], counts["mode"]
print(f"trace check: {number} lines, {searches} searches, {clears} clears, {modes} mode lines, "
      f"{len(errors)} faults")
for error in errors:
    print(error)
sys.exit(1 if errors else 0)
'
}

# The test log goes to standard error, so standard output holds the trace lines alone.
set +e
QT_QPA_PLATFORM=offscreen FUZZ_STEPS=$steps FUZZ_SEED=$seed FUZZ_TRACES=1 \
    ../tests/tst_fuzz_bought -o /dev/stderr,txt -maxwarnings 0 2>"$log" | check_traces
status=("${PIPESTATUS[@]}")
set -e
grep -E "QINFO|FAIL|Loc|Totals" "$log" || true
[ "${status[0]}" -eq 0 ] && [ "${status[1]}" -eq 0 ]
