"""The benchmark figures of docs/performance.md, each with its target and verdict.

`rows(times)` turns the Google Benchmark results of zelpor_bench, run once
offscreen and once on X11 (Xvfb), into the summary table's rows. `times` maps
a platform label ("offscreen", "X11 (Xvfb)") to {benchmark name: (wall ns,
processor ns)}.

Keystroke and frame figures are judged on wall time on X11, as the operator
sees them; the scaling figures on processor time, since the shared machine's
load stretches wall time (both are shown); a part save against the durable
write on wall time, since both wait for the disk.
"""

OFFSCREEN, X11 = "offscreen", "X11 (Xvfb)"

# The benchmarks that are run on X11 as well: what reaches the screen.
SCREEN_FILTER = "Angle|ShowBendGraphic|SequenceStep|ProfilePointer"


def fmt_time(ns):
    if ns is None:
        return "—"
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.1f} µs"
    return f"{ns:.0f} ns"


def verdict(ok):
    if ok is None:
        return "not measured"
    return "met" if ok else "**missed**"


def rows(times):
    def get(platform, name):
        return times.get(platform, {}).get(name)

    out = []

    def timed(label, platform, name, target_ns, target_text, judge="wall", per=1.0):
        """One row; judged on `judge` time ("wall" or "processor") when there is a target."""
        t = get(platform, name)
        if t is None:
            out.append(f"| {label} ({platform}) | — | {target_text} | {verdict(None)} |")
            return
        wall, cpu = t[0] / per, t[1] / per
        judged, other = (wall, cpu) if judge == "wall" else (cpu, wall)
        other_name = "processor" if judge == "wall" else "wall"
        ok = "" if target_ns is None else verdict(judged < target_ns)
        out.append(f"| {label} ({platform}) | **{fmt_time(judged)}** {judge} ({fmt_time(other)} {other_name}) "
                   f"| {target_text} | {ok} |")

    for platform in (X11, OFFSCREEN):
        timed("one keystroke in \"Angle\" with its repaint", platform, "BM_AngleKeystrokePainted",
              0.2e6 if platform == X11 else None, "< 0.2 ms wall on X11" if platform == X11 else "(judged on X11)")
        timed("one keystroke in \"Angle\" without the repaint", platform, "BM_AngleKeystroke", None, "")
        timed("bend scene, fit and painted frame (24 bends)", platform, "BM_ShowBendGraphic/24", 2e6, "< 2 ms")
        timed("sequence step: scene and painted frame", platform, "BM_SequenceStepBuildAndPaint", 2e6, "< 2 ms")
        timed("profile drawing: pointer move with repaint", platform, "BM_ProfilePointerMove", 2e6, "< 2 ms")

    for n in (4, 249, 499, 999):
        timed(f"opening the punch library with {n} punches", OFFSCREEN, f"BM_LibraryOpen/{n}",
              50e6 if n == 999 else None, "< 50 ms with 1,000" if n == 999 else "", judge="processor")
    timed("reopening it, folder unchanged, 999 punches", OFFSCREEN, "BM_LibraryReopen/999", None, "", judge="processor")
    for n in (1, 5000):
        timed(f"Up or Down in the left column, {n} parts in the job", OFFSCREEN, f"BM_UpDownInTheLeftColumn/{n}",
              1e6 if n == 5000 else None, "< 1 ms with 5,000" if n == 5000 else "", judge="processor", per=2.0)
    timed("punch field entered: its list with 2,000 tools", OFFSCREEN, "BM_PunchFieldList/2000", None, "",
          judge="processor", per=2.0)
    timed("\"Selection Piece\" with 20,000 parts", OFFSCREEN, "BM_SelectionPiece/20000", 100e6, "< 100 ms",
          judge="processor")
    timed("\"Selection Affaire\" with 20,000 jobs", OFFSCREEN, "BM_SelectionAffaire/20000", None, "", judge="processor")

    # Automatic sequence and collision check of one step (bench/CollisionBench.cpp).
    timed("automatic sequence, 7 bends", OFFSCREEN, "BM_AutoSequence7", 17e6, "≤ 17 ms", judge="processor")
    timed("automatic sequence, 12 bends", OFFSCREEN, "BM_AutoSequence12", 200e6, "≤ 200 ms", judge="processor")
    timed("automatic sequence, 12 bends, no order without collision", OFFSCREEN, "BM_AutoSequence12NoSolution",
          None, "", judge="processor")
    timed("one step checked for collisions and repainted", OFFSCREEN, "BM_StepCheckAndRepaint", 2e6, "< 2 ms")
    # Documents (bench/PrintBench.cpp).
    timed("setup sheet as PDF (4 bends, steps, sample tools)", OFFSCREEN, "BM_SetupSheetPdf", 300e6, "< 300 ms")
    timed("job list as PDF, 500 parts", OFFSCREEN, "BM_JobListPdf/500", 2e9, "< 2 s")

    save, durable, raw = (get(OFFSCREEN, n) for n in ("BM_PartWriteFile", "BM_DurableWrite10741",
                                                      "BM_RawOverwrite10741"))
    if save and durable:
        r = save[0] / durable[0]
        out.append(f"| part save vs durable write of 10741 bytes (temporary file, fsync, rename, fsync of the "
                   f"folder) | {fmt_time(save[0])} vs {fmt_time(durable[0])} wall = **×{r:.2f}** | ≤ ×1.5 "
                   f"| {verdict(r <= 1.5)} |")
    if save and raw:
        out.append(f"| part save vs a plain overwrite without fsync (not a safe save; for comparison) "
                   f"| {fmt_time(save[0])} vs {fmt_time(raw[0])} wall = ×{save[0] / raw[0]:.1f} | | |")
    return out
