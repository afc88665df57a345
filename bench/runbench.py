#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""Runs every benchmark of Brivolo and prints and records the figures, each as a ratio to a
reference measured in the same run (the machines are shared and noisy; absolute times are
context only). Called by scripts/bench:

    runbench.py BUILD_DIR RESULTS_FILE [--runs N] [--idle-seconds S]

Needs Xvfb and xdotool for the start-up, idle and memory figures."""

import argparse
import os
import platform
import re
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
from xwindow import ABACUS, CALCULATOR, start_x_server  # noqa: E402
from xwindow import CAPTION_PATTERN as CAPTION  # noqa: E402
from xwindow import TOTAL_BOX as FINAL_BOX  # noqa: E402



def realtime():
    """Runs this process, and every process it starts, at a real-time priority when allowed:
    on a machine shared with builds, ordinary scheduling lets their load into every figure."""
    try:
        os.sched_setscheduler(0, os.SCHED_FIFO, os.sched_param(20))
        return "real-time priority (SCHED_FIFO 20)"
    except (AttributeError, OSError):
        return "ordinary priority (real-time not allowed)"


def fields(line):
    return dict(pair.split("=", 1) for pair in line.split()[1:] if "=" in pair)


def machine():
    model = "unknown"
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "qt6-base-dev"],
                        capture_output=True, text=True).stdout or "unknown"
    return f"nproc {os.cpu_count()}, CPU {model}, Qt {qt}, kernel {platform.release()}"


class Runner:
    def __init__(self, build, display):
        self.build = build
        self.env = {**os.environ, "DISPLAY": display, "QT_QPA_PLATFORM": "xcb"}
        self.program = os.path.join(build, "app/qt/brivolo")
        self.floor = os.path.join(build, "bench/brivolo_bench_floor")
        self.watch = os.path.join(build, "bench/brivolo_bench_paintwatch")

    def xdotool(self, *args, timeout=120):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=timeout, check=True).stdout

    def startup(self, runs):
        """Whole-process start-up to the first stable picture, floor and game interleaved."""
        times = {"floor": [], "game": []}
        peaks = {"floor": [], "game": []}
        for run in range(runs):
            order = [("floor", self.floor), ("game", self.program)]
            if run % 2:
                order.reverse()
            for name, path in order:
                out = subprocess.run([self.watch, path], env=self.env, capture_output=True,
                                     text=True, timeout=60, check=True).stdout
                f = fields("x " + out.strip())
                times[name].append(float(f["painted_ms"]))
                peaks[name].append(int(f["peak_kib"]))
        return times, peaks

    def launch(self, path, caption):
        process = subprocess.Popen([path], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        window = self.xdotool("search", "--sync", "--onlyvisible", "--name", caption,
                              timeout=60).split()[0]
        time.sleep(0.5)
        return process, window

    def click_steps(self, window, point, pause="0.3"):
        return ["mousemove", "--window", window, str(point[0]), str(point[1]), "click", "1",
                "sleep", pause]

    def play_game(self, window):
        """A whole game: more rounds than operations, since a key that comes before the
        queued Tab has put the focus into the box is lost (the next round answers then)."""
        zeros = ["key", "0", "sleep", "0.05", "key", "0", "sleep", "0.05"]
        steps = self.click_steps(window, CALCULATOR)
        for _ in range(30):
            steps += self.click_steps(window, ABACUS) + zeros
        steps += self.click_steps(window, FINAL_BOX) + zeros
        self.xdotool(*steps, timeout=180)

    @staticmethod
    def cpu_sample(pid):
        """(CPU ms from utime+stime, CPU ms from the scheduler's ns counters, wake-ups)."""
        with open(f"/proc/{pid}/stat") as stat:
            parts = stat.read().rsplit(")", 1)[1].split()
        ticks = int(parts[11]) + int(parts[12])
        run_ns = 0
        switches = 0
        for task in os.listdir(f"/proc/{pid}/task"):
            try:
                with open(f"/proc/{pid}/task/{task}/schedstat") as sched:
                    run_ns += int(sched.read().split()[0])
                with open(f"/proc/{pid}/task/{task}/status") as status:
                    for line in status:
                        if line.startswith(("voluntary_ctxt_switches",
                                            "nonvoluntary_ctxt_switches")):
                            switches += int(line.split()[1])
            except FileNotFoundError:
                pass
        return ticks * 1000.0 / os.sysconf("SC_CLK_TCK"), run_ns / 1e6, switches

    def idle(self, path, caption, seconds, mid_game):
        process, window = self.launch(path, caption)
        try:
            if mid_game:
                steps = self.click_steps(window, CALCULATOR) + self.click_steps(window, ABACUS)
                self.xdotool(*steps)
                self.xdotool("mousemove", "1000", "760")  # pointer off the window, keep still
            time.sleep(1.0)
            before = self.cpu_sample(process.pid)
            time.sleep(seconds)
            after = self.cpu_sample(process.pid)
        finally:
            process.terminate()
            process.wait()
        return tuple(b - a for a, b in zip(before, after))

    def memory_after_game(self):
        process, window = self.launch(self.program, CAPTION)
        try:
            self.play_game(window)
            time.sleep(0.5)
            with open(f"/proc/{process.pid}/status") as status:
                peak = next(int(l.split()[1]) for l in status if l.startswith("VmHWM"))
        finally:
            process.terminate()
            process.wait()
        return peak


def run_offscreen(build, name, *args):
    env = {**os.environ, "QT_QPA_PLATFORM": "offscreen"}
    out = subprocess.run([os.path.join(build, "bench", name), *args], env=env,
                         capture_output=True, text=True, timeout=600, check=True).stdout
    return [line for line in out.splitlines() if line.strip()]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("results")
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--idle-seconds", type=float, default=10.0)
    args = parser.parse_args()
    build = os.path.abspath(args.build)

    lines = []

    def out(text):
        print(text, flush=True)
        lines.append(text)

    out(f"Brivolo benchmarks, {time.strftime('%Y-%m-%d %H:%M')}")
    out(f"machine: {machine()}; run at {realtime()}")

    server, display = start_x_server()
    try:
        runner = Runner(build, display)
        times, peaks = runner.startup(args.runs)
        floor_ms = statistics.median(times["floor"])
        game_ms = statistics.median(times["game"])
        out(f"1. start-up to first stable picture, median of {args.runs} interleaved runs: "
            f"game {game_ms:.1f} ms, floor {floor_ms:.1f} ms, ratio {game_ms / floor_ms:.2f} "
            f"(goal <= 1.25)")
        out(f"   all runs, game: {' '.join(f'{t:.0f}' for t in times['game'])}")
        out(f"   all runs, floor: {' '.join(f'{t:.0f}' for t in times['floor'])}")

        for scale in ("1", "2"):
            for line in run_offscreen(build, "brivolo_bench_eventrepaint", "--scale", scale):
                out("2. " + line)

        ticks_ms, run_ms, wakeups = runner.idle(runner.program, CAPTION, args.idle_seconds, True)
        f_ticks, f_run, f_wakeups = runner.idle(runner.floor, "Floor", args.idle_seconds, False)
        out(f"3. idle for {args.idle_seconds:.0f} s in the middle of a game (focus in the open "
            f"box): CPU {run_ms:.2f} ms by the scheduler ({ticks_ms:.0f} ms in utime+stime "
            f"ticks), {wakeups} wake-ups; floor: CPU {f_run:.2f} ms, {f_wakeups} wake-ups "
            f"(goal <= 1 ms, no timer ticks)")

        after_game = runner.memory_after_game()
        floor_peak = statistics.median(peaks["floor"])
        game_start_peak = statistics.median(peaks["game"])
        phases = []
        for _ in range(5):
            out_line = subprocess.run([os.path.join(build, "bench/brivolo_bench_startupphases")],
                                      env=runner.env, capture_output=True, text=True,
                                      timeout=60, check=True).stdout
            phases.append({k: float(v) for k, v in fields(out_line.strip()).items()})
        out("   start-up phases in the program, medians of 5 cold starts on the X server: " +
            ", ".join(f"{k} {statistics.median(p[k] for p in phases):.1f}" for k in phases[0]))

        out(f"4. peak resident memory (VmHWM): game after a whole game {after_game} KiB, "
            f"game at start-up {game_start_peak:.0f} KiB, floor {floor_peak:.0f} KiB, ratio "
            f"{after_game / floor_peak:.2f} (goal <= 1.5)")
    finally:
        server.terminate()
        server.wait()

    for line in run_offscreen(build, "brivolo_bench_pictures"):
        out("5. " + line)

    with open(args.results, "w") as results:
        results.write("\n".join(lines) + "\n")
    print(f"figures recorded in {args.results}")


if __name__ == "__main__":
    main()
