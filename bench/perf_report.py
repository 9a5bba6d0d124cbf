#!/usr/bin/env python3
"""Measures Zelpor_2 and writes docs/performance.md.

Everything is measured in one run on this machine, side by side:

* start-up: the real program and a bare Qt main window of its size (menu bar,
  status bar, eight line edits), both built in the same tree, are started
  alternately from one scratch folder with one environment; each prints a
  CLOCK_MONOTONIC stamp when its first window has been painted
  (ZELPOR_FIRST_PAINT) and closes. The time from the spawn to that stamp and
  the peak resident memory (wait4) give two ratios, on an empty workspace and
  on a workshop's. Offscreen always; under a private Xvfb too when installed.
* the Google Benchmark figures of zelpor_bench: the "Angle" keystroke, the bend
  scene and its painted frame, a sequence step, a pointer move in the profile
  drawing, part read and write against raw reads and writes of 10741 bytes.

Usage: perf_report.py --bin build-bench/bin --out docs/performance.md [--runs N] [--startup-only]
"""

import argparse
import datetime
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

import perf_targets
from perf_targets import fmt_time, verdict

FIRST_PAINT = "first-paint-ns"
# The program and its yardstick: a bare Qt main window of the program's size
# with a menu bar, a status bar and eight line edits (bench/BareMainWindow.cpp).
PROGRAM, BARE = "zelpor", "bare_qt_mainwindow"
STARTUP_PROGRAMS = (PROGRAM, BARE)
PAIRED = "paired time ratio"
# Start-up is measured on an empty workspace and on a shop's: (parts in the
# current job, tool files in the tools folder).
WORKSPACES = (("empty workspace", None), ("workshop: 5,000 parts, 1,000 tools", (5000, 1000)))
STARTUP_TARGET = 1.3


# ---------------------------------------------------------------- start-up --

def run_once(exe, cwd, env):
    """Starts `exe`; (ms from the spawn to its first-paint stamp, peak RSS in KiB, processor ms)."""
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


def measure_startup(bin_dir, runs, platform_name, display=None, workshop=None):
    """Program and bare main window started alternately under the same conditions.

    Both run from copies in one scratch folder, as their working folder, with
    the same environment, and stamp the same first paint. `workshop` (parts,
    tools) lays out a shop's workspace there first; without it the program's
    own first start makes the empty workspace. Returns per program
    (median ms, median KiB, fastest ms, slowest ms, median processor ms).
    """
    scratch = tempfile.mkdtemp(prefix="zelpor-startup-")
    try:
        # The program keeps its INI beside itself and its default folders
        # under the working folder.
        exes = {}
        for name in STARTUP_PROGRAMS:
            exes[name] = os.path.join(scratch, name)
            shutil.copy2(os.path.join(bin_dir, name), exes[name])
        if workshop:
            subprocess.run([os.path.join(bin_dir, "bench_workshop"), scratch, *map(str, workshop)], check=True)
        env = dict(os.environ)
        env.update({"ZELPOR_FIRST_PAINT": "1", "QT_QPA_PLATFORM": platform_name, "HOME": scratch,
                    "XDG_CONFIG_HOME": os.path.join(scratch, "config"), "XDG_RUNTIME_DIR": scratch})
        env.pop("DISPLAY", None)
        if display:
            env["DISPLAY"] = display
        # Not counted: the first start of each fills the file cache (and on
        # the empty workspace makes the folders and the sample library).
        for exe in exes.values():
            run_once(exe, scratch, env)
        samples = {name: ([], [], []) for name in exes}
        for i in range(runs):
            # Each goes first every other time: neither always follows the other.
            for name in (STARTUP_PROGRAMS if i % 2 == 0 else STARTUP_PROGRAMS[::-1]):
                for series, value in zip(samples[name], run_once(exes[name], scratch, env)):
                    series.append(value)
        result = {name: (statistics.median(t), statistics.median(m), min(t), max(t), statistics.median(c))
                  for name, (t, m, c) in samples.items()}
        # The two starts of one round saw about the same load: the median of
        # the rounds' ratios varies less than the ratio of the medians.
        result[PAIRED] = statistics.median(p / b for p, b in zip(samples[PROGRAM][0], samples[BARE][0]))
        return result
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


class XServer:
    """A private Xvfb for the X11 figures, when Xvfb is installed."""

    def __init__(self):
        self.proc = None
        self.display = None

    def __enter__(self):
        if not shutil.which("Xvfb"):
            return self
        for number in range(91, 120):
            if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
                break
        else:
            return self
        # -noreset: without it the server starts over (and compiles its keymap
        # again) whenever its last client leaves, so every measured start
        # would wait for that, a wait that no desktop's X server has.
        self.proc = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                                      "-noreset"],
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


# -------------------------------------------------------------- benchmarks --

def run_benchmarks(bin_dir, display=None, bench_filter=None):
    """Runs zelpor_bench offscreen, or on X11 when `display` is given."""
    exe = os.path.join(bin_dir, "zelpor_bench")
    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = "xcb" if display else "offscreen"
    if display:
        env["DISPLAY"] = display
    with tempfile.TemporaryDirectory(prefix="zelpor-bench-") as tmp:
        env["XDG_RUNTIME_DIR"] = tmp
        out = os.path.join(tmp, "bench.json")
        command = [exe, "--benchmark_format=console", f"--benchmark_out={out}", "--benchmark_out_format=json"]
        if bench_filter:
            command.append(f"--benchmark_filter={bench_filter}")
        subprocess.run(command, check=True, env=env, cwd=tmp, stderr=subprocess.DEVNULL)
        with open(out, encoding="utf-8") as f:
            data = json.load(f)
    unit_ns = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
    times, counters = {}, {}
    standard = {"name", "family_index", "per_family_instance_index", "run_name", "run_type", "repetitions",
                "repetition_index", "threads", "iterations", "real_time", "cpu_time", "time_unit", "error_occurred",
                "error_message"}
    for b in data["benchmarks"]:
        if b.get("run_type", "iteration") != "iteration" or b.get("error_occurred"):
            continue
        scale = unit_ns[b.get("time_unit", "ns")]
        times[b["name"]] = (b["real_time"] * scale, b["cpu_time"] * scale)
        counters[b["name"]] = {k: v for k, v in b.items() if k not in standard and isinstance(v, (int, float))}
    return times, counters, data.get("context", {})


# ------------------------------------------------------------------ report --

def machine_lines(context):
    cpu = platform.processor() or "unknown"
    try:
        with open("/proc/cpuinfo", encoding="utf-8") as f:
            for line in f:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    qt = "unknown"
    try:
        qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6widgets6"], capture_output=True,
                            text=True).stdout.strip() or qt
    except OSError:
        pass
    commit = subprocess.run(["git", "rev-parse", "--short", "HEAD"], capture_output=True, text=True).stdout.strip()
    dirty = subprocess.run(["git", "status", "--porcelain", "--untracked-files=no"], capture_output=True,
                           text=True).stdout.strip()
    if commit and dirty:
        commit += " with uncommitted changes"
    return [
        f"- Machine: {cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}",
        f"- Qt {qt}; build preset `bench` (Release); commit `{commit or 'unknown'}`",
        f"- Measured {datetime.datetime.now(datetime.timezone.utc).strftime('%Y-%m-%d %H:%M UTC')}; "
        f"load average before the benchmarks {os.getloadavg()[0]:.1f}",
    ]


def write_report(path, startup, by_platform, counters, context, runs, load_during=0.0):
    lines = ["# Performance", "",
             "Regenerated by `make bench` (bench/perf_report.py): every figure below comes",
             "from one run on one machine. Start-up times are medians of wall-clock time;",
             "the other times are Google Benchmark means per iteration, wall and processor",
             "time side by side; the text of bench/perf_targets.py says which one a target judges.", ""]
    lines += machine_lines(context)
    lines += ["", "## Summary", "",
              "| figure | measured | target | |", "|---|---|---|---|"]

    for label, result in startup:
        prog, bare = result[PROGRAM], result[BARE]
        rt, rm = prog[0] / bare[0], prog[1] / bare[1]
        lines.append(f"| start-up to the first painted main window, {label} | {prog[0]:.1f} ms vs {bare[0]:.1f} ms "
                     f"bare = **×{rt:.2f}** (round by round ×{result[PAIRED]:.2f}, processor ×{prog[4] / bare[4]:.2f}) "
                     f"| ≤ ×{STARTUP_TARGET} "
                     f"| {verdict(rt <= STARTUP_TARGET)} |")
        lines.append(f"| peak memory, {label} | {prog[1] / 1024:.1f} MiB vs {bare[1] / 1024:.1f} MiB "
                     f"bare = **×{rm:.2f}** | ≤ ×{STARTUP_TARGET} | {verdict(rm <= STARTUP_TARGET)} |")

    lines += perf_targets.rows(by_platform)
    lines += ["", f"Load average while the benchmarks ran: {load_during:.1f} on {os.cpu_count()} cores "
              "(other developers' builds share the machine: wall times are stretched by it).", ""]

    lines += ["", "## Start-up in detail", "",
              f"{runs} starts of each, alternating (each goes first every other time), after one uncounted",
              "start each, from the same scratch folder with the same environment. Time runs from the spawn",
              "to the end of the first paint of the window; processor time is user + system of the whole run.",
              "The yardstick is bench/BareMainWindow.cpp: a Qt main window of 795 × 552 with a menu bar,",
              "a status bar and eight line edits. The verdict takes the ratio of the medians; \"round by round\"",
              "beside it is the median of the ratios of the two starts of each round, which share the machine's load.", "",
              "| platform, workspace | program | median | fastest | slowest | processor time | peak RSS (median) |",
              "|---|---|---|---|---|---|---|"]
    for label, result in startup:
        for name in STARTUP_PROGRAMS:
            med, rss, lo, hi, cpu = result[name]
            lines.append(f"| {label} | `{name}` | {med:.1f} ms | {lo:.1f} ms | {hi:.1f} ms | {cpu:.1f} ms "
                         f"| {rss / 1024:.1f} MiB |")

    for platform, platform_times in by_platform.items():
        lines += ["", f"## Every benchmark, {platform}", "", "| benchmark | processor time | wall time |",
                  "|---|---|---|"]
        for name in sorted(platform_times):
            lines.append(f"| `{name}` | {fmt_time(platform_times[name][1])} | {fmt_time(platform_times[name][0])} |")

    notes_path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "performance-notes.md")
    if os.path.exists(notes_path):
        with open(notes_path, encoding="utf-8") as f:
            lines += ["", f.read().rstrip()]
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", default="build-bench/bin", type=os.path.abspath)
    parser.add_argument("--out", default="docs/performance.md")
    parser.add_argument("--runs", type=int, default=15, help="counted starts of each program (at least 9)")
    parser.add_argument("--startup-only", action="store_true", help="print the start-up figures, write nothing")
    args = parser.parse_args()
    if args.runs < 9:
        parser.error("--runs must be at least 9")

    # Start-up: the program against the bare main window, on each workspace,
    # offscreen and on X11.
    startup = []
    with XServer() as x:
        platforms = [("offscreen", "offscreen", None)] + ([("X11 (Xvfb)", "xcb", x.display)] if x.display else [])
        for plat_label, plat, display in platforms:
            for ws_label, workshop in WORKSPACES:
                label = f"{plat_label}, {ws_label}"
                result = measure_startup(args.bin, args.runs, plat, display, workshop)
                startup.append((label, result))
                for name in STARTUP_PROGRAMS:
                    med, rss, _, _, cpu = result[name]
                    print(f"start-up {label:50} {name:20} {med:7.1f} ms {cpu:7.1f} ms cpu {rss / 1024:6.1f} MiB")
                print(f"start-up {label:50} round by round ×{result[PAIRED]:.2f}")
    if args.startup_only:
        return 0

    # Benchmarks: all of them offscreen; what reaches the screen on X11 too.
    by_platform = {}
    times, counters, context = run_benchmarks(args.bin)
    by_platform[perf_targets.OFFSCREEN] = times
    with XServer() as x:
        if x.display:
            by_platform[perf_targets.X11] = run_benchmarks(args.bin, x.display, perf_targets.SCREEN_FILTER)[0]
    write_report(args.out, startup, by_platform, counters, context, args.runs, os.getloadavg()[0])
    print(f"wrote {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
