#!/usr/bin/env python3
"""Turns the files run-benchmarks.sh wrote into the Markdown table of BENCHMARKS.md.

    report.py RESULTS_DIR > table.md

Every figure is a median over the run's repetitions. Whole-process ratios
are the median of each round's ratio (a round runs the commands back to
back). A decoding ratio is
the median of ratios taken over pairs timed in turn (the "pair/" runs);
the ratio of the two separate medians is shown beside it ("separate runs").
"""

import json
import math
import statistics
import sys
from pathlib import Path

DECODE_TARGETS = [
    # (row, benchmark of the program, reference benchmark, what, target)
    ("1", "jpeg/chat_frame/chatmock", "jpeg/chat_frame/libjpeg", "JPEG chat frame 543 x 510 vs libjpeg-turbo scanline loop", 1.05),
    ("2", "first/show_gif/chatmock", "first/show_gif/giflib", "GIF first image (animated show, 143 x 228) vs giflib", 1.0),
    ("2", "first/still_gif/chatmock", "first/still_gif/giflib", "GIF still (143 x 228) vs giflib", 1.0),
    ("2", "every/show_gif/chatmock", "every/show_gif/giflib", "GIF every frame (16 frames) vs giflib DGifSlurp + compose", 1.0),
    ("3", "first/show_gif/chatmock", "first/show_gif/qt", "GIF first image vs Qt", 1.0),
    ("3", "first/still_gif/chatmock", "first/still_gif/qt", "GIF still vs Qt", 1.0),
    ("3", "every/show_gif/chatmock", "every/show_gif/qt", "GIF every frame vs Qt's QImageReader", 1.0),
    ("3", "first/chat_frame_bmp24/chatmock", "first/chat_frame_bmp24/qt", "BMP 24-bit 543 x 510 vs Qt", 1.0),
    ("3", "first/show_bmp8/chatmock", "first/show_bmp8/qt", "BMP 8-bit 143 x 228 vs Qt", 1.0),
    ("3", "first/avatar_ico32/chatmock", "first/avatar_ico32/qt", "ICO 32 x 32, 32-bit with alpha vs Qt", 1.0),
    ("3", "first/avatar_ico8/chatmock", "first/avatar_ico8/qt", "ICO 32 x 32, 8-bit with mask vs Qt", 1.0),
]
POSTING_SIZES = [0, 100, 1000, 10000]
LINEAR_EXPONENT = 1.15  # growth from 1,000 to 10,000 entries, allowing for noise
CLICK_LIMIT_US = 5000
STARTUP_RATIO = 1.3
MEMORY_RATIO = 1.3
ANIMATED_CPU_PERCENT = 1.0


def load_json(path):
    return json.loads(path.read_text()) if path.exists() else None


def aggregates(results):
    """{run_name: {aggregate_name: entry}} from Google Benchmark's JSON."""
    table = {}
    for entry in (results or {}).get("benchmarks", []):
        if entry.get("run_type") == "aggregate":
            table.setdefault(entry["run_name"], {})[entry["aggregate_name"]] = entry
    return table


def verdict(ok):
    return "met" if ok else "**missed**"


def speed_note(ratio):
    return f" ({1 / ratio:.1f}x as fast)" if ratio <= 0.5 else ""


def paired(results):
    """{"pair/<subject>/<reference>": counters} from the paired runs."""
    table = {}
    for entry in (results or {}).get("benchmarks", []):
        name = entry["run_name"]
        if name.startswith("pair/") and entry.get("run_type") == "iteration":
            table["/".join(part for part in name.split("/") if ":" not in part)] = entry
    return table


def decode_rows(results):
    table = aggregates(results)
    pairs = paired(results)
    rows = []
    for row, ours, theirs, what, target in DECODE_TARGETS:
        subject, reference = ours.rsplit("/", 1)[0], theirs.rsplit("/", 1)[1]
        pair = pairs.get(f"pair/{subject}/{reference}")
        if ours not in table or theirs not in table or pair is None:
            rows.append(f"| {row} | {what} | not run | | | <= {target} | **not run** |")
            continue
        a = table[ours]["median"]["cpu_time"]
        b = table[theirs]["median"]["cpu_time"]
        ratio = pair["ratio"]
        rows.append(f"| {row} | {what} | {a:.1f} us | {b:.1f} us | **{ratio:.2f}** "
                    f"(quartiles {pair['ratio_q1']:.2f}-{pair['ratio_q3']:.2f}, {int(pair['pairs'])} pairs; "
                    f"separate runs {a / b:.2f}) | <= {target} | {verdict(ratio <= target)}{speed_note(ratio)} |")
    return rows


def posting_rows(results):
    table = aggregates(results)
    rows = []
    for kind, what in (("handler", "send click, handler"), ("click_and_repaint", "send click with its repaint")):
        times = {}
        for size in POSTING_SIZES:
            name = f"posting/{kind}/{size}/manual_time"
            if name in table:
                times[size] = table[name]["median"]["real_time"]
        if len(times) != len(POSTING_SIZES):
            rows.append(f"| 4 | {what} | not run | | | | **not run** |")
            continue
        per_size = ", ".join(f"{size:,}: {times[size]:.0f} us" for size in POSTING_SIZES)
        growth = [times[size] - times[0] for size in POSTING_SIZES]
        exponent = math.log10(growth[3] / growth[2]) if growth[2] > 0 and growth[3] > 0 else float("nan")
        linear = exponent <= LINEAR_EXPONENT
        fast = times[10000] < CLICK_LIMIT_US
        rows.append(f"| 4 | {what} (thread CPU time) | {per_size} | empty: {times[0]:.0f} us "
                    f"| growth exponent 1,000 -> 10,000: **{exponent:.2f}**; at 10,000: **{times[10000] / 1000:.2f} ms** "
                    f"| <= linear; < 5 ms | {verdict(linear)} (linear); {verdict(fast)} (5 ms) |")
    return rows


def median_of(runs, label, field):
    return statistics.median(runs[label][field])


def round_ratio(runs, field, label="program", reference="bare"):
    """The median over rounds of each round's ratio: the commands of a round ran back to back."""
    return statistics.median(a / b for a, b in zip(runs[label][field], runs[reference][field]))


def process_rows(startup, platform):
    if not startup:
        return [f"| 5 | start-up to first frame, {platform} | not run | | | | **not run** |"]
    program = median_of(startup, "program", "wall_ms")
    bare = median_of(startup, "bare", "wall_ms")
    curl = median_of(startup, "bare_with_libcurl", "wall_ms")
    cpu_p = median_of(startup, "program", "cpu_ms")
    cpu_b = median_of(startup, "bare", "cpu_ms")
    ratio = round_ratio(startup, "wall_ms")
    return [
        f"| 5 | start-up to first frame and exit, {platform} (wall) | {program:.1f} ms | bare Qt window {bare:.1f} ms "
        f"| **{ratio:.2f}** (CPU {cpu_p:.1f} / {cpu_b:.1f} ms: {round_ratio(startup, 'cpu_ms'):.2f}) "
        f"| <= {STARTUP_RATIO} | {verdict(ratio <= STARTUP_RATIO)} |",
        f"| 5 | (diagnosis) bare window with libcurl linked, {platform} | {curl:.1f} ms | bare Qt window {bare:.1f} ms "
        f"| {round_ratio(startup, 'wall_ms', 'bare_with_libcurl'):.2f} | | |",
    ]


def memory_rows(memory):
    if not memory:
        return ["| 7 | peak resident memory at rest | not run | | | | **not run** |"]
    program = median_of(memory, "program", "max_rss_kb") / 1024
    bare = median_of(memory, "bare", "max_rss_kb") / 1024
    curl = median_of(memory, "bare_with_libcurl", "max_rss_kb") / 1024
    ratio = round_ratio(memory, "max_rss_kb")
    return [
        f"| 7 | peak resident memory, shown and 1 s at rest (ru_maxrss) | {program:.1f} MiB | bare Qt window {bare:.1f} MiB "
        f"| **{ratio:.3f}** | <= {MEMORY_RATIO} | {verdict(ratio <= MEMORY_RATIO)} |",
        f"| 7 | (diagnosis) bare window with libcurl linked | {curl:.1f} MiB | bare Qt window {bare:.1f} MiB | {curl / bare:.2f} | | |",
    ]


def receivers(idle):
    timers = idle.get("timers_by_receiver", {})
    return ", ".join(f"{name} {count}" for name, count in sorted(timers.items())) or "none"


def idle_row(idle, what):
    return (f"| 6 | {what}, {idle['wall_ms'] / 1000:.0f} s | {idle['cpu_percent_of_one_core']:.3f} % of a core, "
            f"{idle['timer_events']} timer events ({receivers(idle)}), {idle['voluntary_switches']} voluntary switches "
            f"| none | **{idle['timer_events']} timer wake-ups** | 0 timer wake-ups | {verdict(idle['timer_events'] == 0)} |")


def idle_rows(out):
    rest = load_json(out / "idle-rest.json")
    early = load_json(out / "idle-rest-from-start.json")
    animated = load_json(out / "idle-animated.json")
    rows = []
    if rest:
        rows.append(idle_row(rest, "idle at rest, once the caret has stopped blinking"))
    if early:
        rows.append(idle_row(early, "idle from 2 s after start, the caret's pause included"))
    if animated:
        cpu = animated["cpu_percent_of_one_core"]
        rows.append(f"| 6 | idle animating 50 ms frames in 图片框3, {animated['wall_ms'] / 1000:.0f} s | {cpu:.2f} % of a core, "
                    f"{animated['show_box_paints']} frames painted, {animated['voluntary_switches']} voluntary switches "
                    f"| none | **{cpu:.2f} %** | < {ANIMATED_CPU_PERCENT} % | {verdict(cpu < ANIMATED_CPU_PERCENT)} |")
    return rows or ["| 6 | idle | not run | | | | **not run** |"]


def main():
    out = Path(sys.argv[1])
    lines = [
        "| row | what | measured | reference (same run) | figure | target | verdict |",
        "|---|---|---|---|---|---|---|",
    ]
    lines += decode_rows(load_json(out / "decode.json"))
    lines += posting_rows(load_json(out / "posting.json"))
    lines += process_rows(load_json(out / "startup-offscreen.json"), "offscreen")
    lines += process_rows(load_json(out / "startup-xcb.json"), "xcb under Xvfb")
    lines += idle_rows(out)
    lines += memory_rows(load_json(out / "memory.json"))
    print("\n".join(lines))
    same = out / "fixtures" / "same-work.txt"
    if same.exists():
        print("\nSame work checked before timing:\n")
        print("```\n" + same.read_text().rstrip() + "\n```")
    machine = out / "machine.txt"
    if machine.exists():
        print("\nMachine:\n")
        print("```\n" + machine.read_text().rstrip() + "\n```")


if __name__ == "__main__":
    main()
