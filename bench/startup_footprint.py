#!/usr/bin/env python3
"""Start-up and footprint of the program against its skeleton and a bare Qt panel.

The skeleton (shared/perf beside the project, built here into BUILD_DIR/skel)
is the least the panel must start with; the baseline (bench/baseline) a bare
LCD panel. Alternates the programs over several rounds and prints, for each
figure, each one's median and the program's ratio to the skeleton (whose
limit is printed beside the peak memory) and to the baseline:
  - time from process start to the first frame flushed to the screen,
  - peak resident memory 1.5 s after start, and at the end of the rolling run,
  - CPU time used over 10 s of rolling (the program with its settings open),
and which image-format and icon-engine plugins (and Qt Svg) each has mapped
1 s after start: none is needed for the panel's own icon, built in as raw pixels.
Runs under Xvfb with xdotool when they are installed (a real X server, and a
right click opens the settings); otherwise offscreen, where the settings
cannot be opened by a click.

  bench/startup_footprint.py [BUILD_DIR] [--rounds N] [--seconds S] [--skeleton DIR]
"""
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
# The skeleton's peak memory is the panel's limit, within this much.
MEMORY_LIMIT = 1.02


def build_skeleton(source, build):
    """The skeleton's program, built from source into build; None without it."""
    if not os.path.isfile(os.path.join(source, "CMakeLists.txt")):
        print(f"no skeleton at {source}: its figures are left out", file=sys.stderr)
        return None
    for step in (["cmake", "-S", source, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo"],
                 ["cmake", "--build", build]):
        if subprocess.run(step, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT).returncode != 0:
            print("the skeleton did not build: its figures are left out", file=sys.stderr)
            return None
    program = os.path.join(build, "skel")
    return program if os.access(program, os.X_OK) else None


def start_xvfb():
    if not (shutil.which("Xvfb") and shutil.which("xdotool")):
        return None, None
    display = ":87"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    return xvfb, display


def environment(display, log_painting):
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)
    if display:
        env["DISPLAY"] = display
        env["QT_QPA_PLATFORM"] = "xcb"
    else:
        env["QT_QPA_PLATFORM"] = "offscreen"
    env["LANG"] = "C"
    env["LC_ALL"] = "C"
    if log_painting:
        env["QT_LOGGING_RULES"] = "qt.widgets.painting=true"
    return env


def first_frame_seconds(command, cwd, env):
    """Seconds from spawning to the first 'Flushing QRegion' of the panel."""
    started = time.monotonic()
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    seen = None
    for line in proc.stderr:
        if "Flushing QRegion" in line:
            seen = time.monotonic() - started
            break
    proc.kill()
    proc.communicate()
    return seen


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = os.sysconf("SC_CLK_TCK")
    return (int(fields[11]) + int(fields[12])) / ticks


def peak_resident_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def mapped_plugins(pid):
    """The image-format and icon-engine plugins, and Qt Svg, a process has mapped."""
    names = set()
    with open(f"/proc/{pid}/maps") as f:
        for line in f:
            path = line.split()[-1] if len(line.split()) >= 6 else ""
            if "/imageformats/" in path or "/iconengines/" in path or "libQt6Svg" in path:
                names.add(os.path.basename(path))
    return sorted(names)


def rolling_run(command, cwd, env, seconds, open_settings, display):
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    time.sleep(1.5)
    peak_at_start = peak_resident_kib(proc.pid)
    plugins = mapped_plugins(proc.pid)
    if open_settings and display:
        xenv = dict(os.environ, DISPLAY=display)
        wid = subprocess.run(["xdotool", "search", "--sync", "--pid", str(proc.pid), "--name", "Korvel"],
                             env=xenv, capture_output=True, text=True, timeout=20).stdout.split()
        if wid:
            subprocess.run(["xdotool", "mousemove", "--window", wid[0], "100", "30", "click", "3"],
                           env=xenv, timeout=20)
            time.sleep(0.5)
            opened = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid),
                                     "--name", "settei"], env=xenv, capture_output=True, text=True).stdout
            if not opened.strip():
                print("warning: the settings did not open", file=sys.stderr)
    before = cpu_seconds(proc.pid)
    time.sleep(seconds)
    used = cpu_seconds(proc.pid) - before
    peak = peak_resident_kib(proc.pid)
    proc.send_signal(signal.SIGTERM)
    proc.wait(timeout=10)
    return used, peak_at_start, peak, plugins


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(HERE, "..", "build"))
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=10.0)
    parser.add_argument("--skeleton", default=os.path.join(HERE, "..", "..", "shared", "perf"))
    args = parser.parse_args()

    run_dir = os.path.abspath(os.path.join(args.build, "run"))
    program = [os.path.join(run_dir, "numbers3")]
    baseline = [os.path.abspath(os.path.join(args.build, "bench", "baseline"))]
    skeleton = build_skeleton(os.path.abspath(args.skeleton), os.path.abspath(os.path.join(args.build, "skel")))
    commands = [("program", program)] + ([("skeleton", [skeleton])] if skeleton else []) + [("baseline", baseline)]

    xvfb, display = start_xvfb()
    try:
        figures = {name: {"start": [], "cpu": [], "startpeak": [], "peak": []} for name, _ in commands}
        plugins = {name: set() for name, _ in commands}
        for round_ in range(args.rounds):
            for name, command in commands:
                start = first_frame_seconds(command, run_dir, environment(display, True))
                cpu, start_peak, peak, mapped = rolling_run(command, run_dir, environment(display, False),
                                                            args.seconds, name == "program", display)
                plugins[name].update(mapped)
                figures[name]["start"].append(start)
                figures[name]["cpu"].append(cpu)
                figures[name]["startpeak"].append(start_peak)
                figures[name]["peak"].append(peak)
                print(f"round {round_ + 1} {name:8s} first frame {start * 1000:7.1f} ms"
                      f"  peak {start_peak:7d} / {peak:7d} KiB  cpu {cpu * 1000:7.1f} ms / {args.seconds:g} s",
                      file=sys.stderr)
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()

    print(f"platform: {'xcb under Xvfb' if display else 'offscreen'}; rounds: {args.rounds}; "
          f"medians")
    names = [name for name, _ in commands]
    print(f"{'figure':36s} " + " ".join(f"{name:>10s}" for name in names)
          + "".join(f" {'/ ' + name:>11s}" for name in names[1:]))
    rows = (("first frame (ms)", "start", 1000.0),
            ("peak memory, 1.5 s after start (KiB)", "startpeak", 1.0),
            ("peak memory, end of rolling (KiB)", "peak", 1.0),
            (f"CPU over {args.seconds:g} s of rolling (ms)", "cpu", 1000.0))
    for label, key, scale in rows:
        medians = [statistics.median(figures[name][key]) * scale for name in names]
        ratios = [medians[0] / m if m else float("nan") for m in medians[1:]]
        print(f"{label:36s} " + " ".join(f"{m:10.1f}" for m in medians) + "".join(f" {r:11.3f}" for r in ratios))
    if skeleton:
        ratio = statistics.median(figures["program"]["startpeak"]) / statistics.median(figures["skeleton"]["startpeak"])
        print(f"peak memory 1.5 s after start against the skeleton: {ratio:.3f} (limit {MEMORY_LIMIT})"
              f" {'ok' if ratio <= MEMORY_LIMIT else 'OVER'}")
    for name in names:
        print(f"image plugins mapped by the {name}: {', '.join(sorted(plugins[name])) or 'none'}")


if __name__ == "__main__":
    main()
