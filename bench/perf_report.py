#!/usr/bin/env python3
"""Measures Zelpor_2 and writes docs/performance.md.

Everything is measured in one run on this machine, side by side:

* start-up: the real program and a bare Qt Widgets window, both built in the
  same tree, are started alternately; each prints a CLOCK_MONOTONIC stamp when
  its first window has been painted (ZELPOR_FIRST_PAINT) and closes. The time
  from the spawn to that stamp and the peak resident memory (wait4) give two
  ratios. Offscreen always; under a real X server (Xvfb) too when there is one.
* the Google Benchmark figures of zelpor_bench: the "Angle" keystroke, the bend
  scene and its painted frame, a sequence step, a pointer move in the profile
  drawing, part read and write against raw reads and writes of 10741 bytes.

Usage: perf_report.py --bin build-bench/bin --out docs/performance.md [--runs N]
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
# The program, the bare window (the yardstick of the targets), and the bare
# window with one line of text (how much of the gap is the font system).
PROGRAMS = ("zelpor", "bare_qt_window", "bare_qt_window --text")


# ---------------------------------------------------------------- start-up --

def run_once(command, cwd, env):
    """Starts `command`, returns (milliseconds to first paint, peak RSS in KiB)."""
    exe = command[0]
    start = time.clock_gettime_ns(time.CLOCK_MONOTONIC)
    proc = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, text=True)
    out = proc.stdout.read()
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        raise RuntimeError(f"{exe} exited with {proc.returncode}")
    stamps = [int(line.split()[1]) for line in out.splitlines() if line.startswith(FIRST_PAINT)]
    if not stamps:
        raise RuntimeError(f"{exe} printed no first-paint stamp")
    return (stamps[0] - start) / 1e6, usage.ru_maxrss, (usage.ru_utime + usage.ru_stime) * 1e3


def measure_startup(bin_dir, runs, platform_name, display=None):
    """Alternates program and bare window; returns medians per program."""
    scratch = tempfile.mkdtemp(prefix="zelpor-startup-")
    try:
        # Copies in a scratch folder: the program keeps its INI beside itself
        # and its default folders under the working directory.
        for name in ("zelpor", "bare_qt_window"):
            shutil.copy2(os.path.join(bin_dir, name), os.path.join(scratch, name))
        exes = {name: [os.path.join(scratch, name.split()[0])] + name.split()[1:] for name in PROGRAMS}
        env = dict(os.environ)
        env.update({"ZELPOR_FIRST_PAINT": "1", "QT_QPA_PLATFORM": platform_name,
                    "HOME": scratch, "XDG_CONFIG_HOME": os.path.join(scratch, "config"),
                    "XDG_RUNTIME_DIR": scratch})
        if display:
            env["DISPLAY"] = display
        samples = {name: ([], [], []) for name in exes}
        # One start each that is not counted: the first start also makes the
        # workspace folders and the sample library, and fills the file cache.
        for name, exe in exes.items():
            run_once(exe, scratch, env)
        for _ in range(runs):
            for name, exe in exes.items():
                ms, rss, cpu = run_once(exe, scratch, env)
                samples[name][0].append(ms)
                samples[name][1].append(rss)
                samples[name][2].append(cpu)
        return {name: (statistics.median(t), statistics.median(m), min(t), max(t), statistics.median(c))
                for name, (t, m, c) in samples.items()}
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
        prog, bare = result["zelpor"], result["bare_qt_window"]
        rt, rm = prog[0] / bare[0], prog[1] / bare[1]
        lines.append(f"| start-up to first painted main window, {label} | {prog[0]:.1f} ms vs {bare[0]:.1f} ms "
                     f"bare = **×{rt:.2f}** | ≤ ×1.3 | {verdict(rt <= 1.3)} |")
        lines.append(f"| start-up, {label}: fastest of the runs | {prog[2]:.1f} ms vs {bare[2]:.1f} ms "
                     f"bare = ×{prog[2] / bare[2]:.2f} | (the least disturbed run) | |")
        lines.append(f"| start-up, {label}: processor time of the whole run | {prog[4]:.1f} ms vs {bare[4]:.1f} ms "
                     f"bare = ×{prog[4] / bare[4]:.2f} | (not disturbed by other processes) | |")
        lines.append(f"| peak memory, {label} | {prog[1] / 1024:.1f} MiB vs {bare[1] / 1024:.1f} MiB "
                     f"bare = **×{rm:.2f}** | ≤ ×1.3 | {verdict(rm <= 1.3)} |")

    lines += perf_targets.rows(by_platform)
    lines += ["", f"Load average while the benchmarks ran: {load_during:.1f} on {os.cpu_count()} cores "
              "(other developers' builds share the machine: wall times are stretched by it).", ""]

    lines += ["", "## Start-up in detail", "",
              f"{runs} starts of each program, alternating, after one uncounted start each.",
              "Time runs from the spawn to the end of the first paint of the window.", "",
              "| platform | program | median | fastest | slowest | processor time | peak RSS (median) |",
              "|---|---|---|---|---|---|---|"]
    for label, result in startup:
        for name in PROGRAMS:
            med, rss, lo, hi, cpu = result[name]
            lines.append(f"| {label} | `{name}` | {med:.1f} ms | {lo:.1f} ms | {hi:.1f} ms | {cpu:.1f} ms "
                         f"| {rss / 1024:.1f} MiB |")
    lines += ["", "Against the bare window with one line of text (not a target; it shows what the",
              "font system alone costs any window that shows a word):", ""]
    for label, result in startup:
        prog, text = result["zelpor"], result["bare_qt_window --text"]
        lines.append(f"- {label}: start-up ×{prog[0] / text[0]:.2f} (processor time ×{prog[4] / text[4]:.2f}), "
                     f"peak memory ×{prog[1] / text[1]:.2f}")

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
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()

    # Start-up: the program against the bare window, offscreen and on X11.
    startup = [("offscreen", measure_startup(args.bin, args.runs, "offscreen"))]
    with XServer() as x:
        if x.display:
            startup.append(("X11 (Xvfb)", measure_startup(args.bin, args.runs, "xcb", x.display)))
    for label, result in startup:
        for name, (med, rss, _, _, _) in result.items():
            print(f"start-up {label:12} {name:24} {med:7.1f} ms  {rss / 1024:6.1f} MiB")

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
