#!/usr/bin/env python3
"""Start-up and footprint of the program against a bare Qt panel.

Alternates the two programs over several rounds and prints, for each figure,
the program's median, the baseline's and their ratio:
  - time from process start to the first frame flushed to the screen,
  - peak resident memory 1 s after start, and at the end of the rolling run,
  - CPU time used over 10 s of rolling (the program with its settings open),
and which image-format and icon-engine plugins (and Qt Svg) each has mapped
1 s after start: none is needed for the panel's own icon, built in as raw pixels.
Runs under Xvfb with xdotool when they are installed (a real X server, and a
right click opens the settings); otherwise offscreen, where the settings
cannot be opened by a click.

  bench/startup_footprint.py [BUILD_DIR] [--rounds N] [--seconds S]
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
    time.sleep(1.0)
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
    args = parser.parse_args()

    run_dir = os.path.abspath(os.path.join(args.build, "run"))
    program = [os.path.join(run_dir, "numbers3")]
    baseline = [os.path.abspath(os.path.join(args.build, "bench", "baseline"))]

    xvfb, display = start_xvfb()
    try:
        figures = {name: {"start": [], "cpu": [], "startpeak": [], "peak": []}
                   for name in ("program", "baseline")}
        plugins = {"program": set(), "baseline": set()}
        for round_ in range(args.rounds):
            for name, command in (("program", program), ("baseline", baseline)):
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
    print(f"{'figure':34s} {'program':>10s} {'baseline':>10s} {'ratio':>7s}")
    rows = (("first frame (ms)", "start", 1000.0),
            ("peak memory, 1 s after start (KiB)", "startpeak", 1.0),
            ("peak memory, end of rolling (KiB)", "peak", 1.0),
            (f"CPU over {args.seconds:g} s of rolling (ms)", "cpu", 1000.0))
    for label, key, scale in rows:
        p = statistics.median(figures["program"][key]) * scale
        b = statistics.median(figures["baseline"][key]) * scale
        print(f"{label:34s} {p:10.1f} {b:10.1f} {p / b if b else float('nan'):7.2f}")
    for name in ("program", "baseline"):
        print(f"image plugins mapped by the {name}: {', '.join(sorted(plugins[name])) or 'none'}")


if __name__ == "__main__":
    main()
