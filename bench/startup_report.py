#!/usr/bin/env python3
"""Start-up of Zelpor_2 against a bare Qt main window, offscreen and on X11.

The program and bare_qt_mainwindow (a QMainWindow of 795 x 552 with a menu
bar, a status bar and eight line edits) are started alternately from a scratch
folder; each prints a CLOCK_MONOTONIC stamp once its first window is painted
(ZELPOR_FIRST_PAINT) and closes. Time from the spawn to the stamp and the peak
resident memory (wait4) are taken per run; the medians give two ratios, each
with its target of 1.3x. X11 runs on a private Xvfb when Xvfb is installed.

Usage: startup_report.py --bin build-bench/bin [--runs 11] [--out FILE]
Prints the Markdown section; --out writes it to FILE as well. Other reports
call startup_section(bin_dir, runs) and put the text where they want it.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

FIRST_PAINT = "first-paint-ns"
PROGRAM, BARE = "zelpor", "bare_qt_mainwindow"
TARGET_RATIO = 1.3


def run_once(exe, cwd, env):
    """One start: (ms to the first paint, peak RSS in KiB, processor ms)."""
    start = time.clock_gettime_ns(time.CLOCK_MONOTONIC)
    proc = subprocess.Popen([exe], cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    out = proc.stdout.read()
    _, status, usage = os.wait4(proc.pid, 0)
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        raise RuntimeError(f"{exe} exited with {code}")
    stamps = [int(line.split()[1]) for line in out.splitlines() if line.startswith(FIRST_PAINT)]
    if not stamps:
        raise RuntimeError(f"{exe} printed no first-paint stamp")
    return (stamps[0] - start) / 1e6, usage.ru_maxrss, (usage.ru_utime + usage.ru_stime) * 1e3


def measure(bin_dir, runs, platform_name, display=None):
    """Alternating starts; {name: (median ms, median KiB, min ms, max ms, median processor ms)}."""
    scratch = tempfile.mkdtemp(prefix="zelpor-startup-")
    try:
        # Copies in the scratch folder: the program keeps its INI beside
        # itself and its default folders under the working directory.
        exes = {}
        for name in (PROGRAM, BARE):
            exes[name] = os.path.join(scratch, name)
            shutil.copy2(os.path.join(bin_dir, name), exes[name])
        env = dict(os.environ)
        env.update({"ZELPOR_FIRST_PAINT": "1", "QT_QPA_PLATFORM": platform_name, "HOME": scratch,
                    "XDG_CONFIG_HOME": os.path.join(scratch, "config"), "XDG_RUNTIME_DIR": scratch})
        if display:
            env["DISPLAY"] = display
        # Not counted: the first start makes the workspace and the sample
        # library, and fills the file cache for both.
        for exe in exes.values():
            run_once(exe, scratch, env)
        samples = {name: ([], [], []) for name in exes}
        for _ in range(runs):
            for name, exe in exes.items():
                for series, value in zip(samples[name], run_once(exe, scratch, env)):
                    series.append(value)
        return {name: (statistics.median(t), statistics.median(m), min(t), max(t), statistics.median(c))
                for name, (t, m, c) in samples.items()}
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


class PrivateXServer:
    """An Xvfb of our own for the X11 figures; display None without Xvfb."""

    def __init__(self):
        self.proc = None
        self.display = None

    def __enter__(self):
        if not shutil.which("Xvfb"):
            return self
        number = next((n for n in range(131, 170) if not os.path.exists(f"/tmp/.X11-unix/X{n}")
                       and not os.path.exists(f"/tmp/.X{n}-lock")), None)
        if number is None:
            return self
        self.proc = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                self.display = f":{number}"
                break
            time.sleep(0.05)
        return self

    def __exit__(self, *exc):
        if self.proc:
            self.proc.terminate()
            self.proc.wait(timeout=10)


def verdict(ratio):
    return "met" if ratio <= TARGET_RATIO else "missed"


def measured_commit():
    try:
        return subprocess.run(["git", "rev-parse", "--short", "HEAD"], capture_output=True, text=True,
                              cwd=os.path.dirname(os.path.abspath(__file__)), check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def startup_section(bin_dir, runs=11):
    """The Markdown section: one row per platform, ratios with their verdicts."""
    load = os.getloadavg()[0]
    results = [("offscreen", measure(bin_dir, runs, "offscreen"))]
    with PrivateXServer() as x:
        if x.display:
            results.append(("X11 (Xvfb)", measure(bin_dir, runs, "xcb", x.display)))
    lines = [
        "## Start-up to the first painted main window",
        "",
        f"Medians of {runs} alternating starts on an empty workspace; the yardstick is a bare Qt main window "
        f"(795 x 552, menu bar, status bar, eight line edits). Target: at most {TARGET_RATIO}x in time and in "
        "peak memory. Processor time (user + system) is shown beside: on a loaded machine it varies less than "
        f"the wall time. Commit {measured_commit()}, load average {load:.1f} on {os.cpu_count()} processors "
        "when the runs began.",
        "",
        "| platform | program | bare main window | time ratio | processor: program / bare | program peak "
        "| bare peak | memory ratio |",
        "|---|---|---|---|---|---|---|---|",
    ]
    for label, r in results:
        (pt, pm, pmin, pmax, pc), (bt, bm, _, _, bc) = r[PROGRAM], r[BARE]
        tr, mr = pt / bt, pm / bm
        lines.append(f"| {label} | {pt:.1f} ms ({pmin:.1f}-{pmax:.1f}) | {bt:.1f} ms | {tr:.2f}x {verdict(tr)} "
                     f"| {pc:.1f} / {bc:.1f} ms ({pc / bc:.2f}x) | {pm / 1024:.1f} MiB | {bm / 1024:.1f} MiB "
                     f"| {mr:.2f}x {verdict(mr)} |")
    if len(results) == 1:
        lines.append("| X11 (Xvfb) | not measured: Xvfb is not installed | | | | | | |")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="folder holding zelpor and bare_qt_mainwindow")
    parser.add_argument("--runs", type=int, default=11, help="counted starts of each (at least 9)")
    parser.add_argument("--out", help="also write the section to this file")
    args = parser.parse_args()
    if args.runs < 9:
        parser.error("--runs must be at least 9")
    text = startup_section(args.bin, args.runs)
    sys.stdout.write(text)
    if args.out:
        with open(args.out, "w", encoding="utf-8") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
