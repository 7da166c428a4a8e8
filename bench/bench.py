#!/usr/bin/env python3
"""The benchmarks of Tikanda against a bare Qt window (bench/baseline), run by bench/run.sh
inside a private X session (Xvfb + openbox + PulseAudio null sink; DISPLAY, PULSE_SERVER and
BENCH_SINK set by run.sh).

Each measurement runs on the program and the baseline in the same run, alternating, several
times; the figures are medians. Times are seen from outside the program: the X server's
events through bench/xwatch, the process's own /proc counters, the null sink's monitor.
"""

import argparse
import ctypes
import math
import os
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

PROGRAM_TITLE = "Tikanda 1.3"
BASELINE_TITLE = "Baseline"
ALARM_TITLE = "Alarm"
CLK_TCK = os.sysconf("SC_CLK_TCK")
# A tick's own work (the timer, the repaint, the X round trip) ends within this many ms
# after the second boundary; a wake-up later in the second is not the tick's.
TICK_WINDOW_MS = 200
# "Idle" begins this long after the last input: the text caret blinks for 10 s after it.
IDLE_AFTER_S = 12
# Wake-ups are counted from this long after the start: Qt flushes its pixmap cache once,
# 30 s after the first paint.
WAKE_AFTER_S = 35


def log(*args):
    print(*args, file=sys.stderr, flush=True)


def wall_us():
    return time.time_ns() // 1000


def median(values):
    return statistics.median(values) if values else float("nan")


def percentile(values, p):
    """The nearest-rank percentile (p in 0..100)."""
    if not values:
        return float("nan")
    v = sorted(values)
    return v[max(0, math.ceil(len(v) * p / 100) - 1)]


# --- processes -------------------------------------------------------------------------


class App:
    """One started program (Tikanda or the baseline) with its /proc counters."""

    def __init__(self, bench, kind, pid, startup_ms, window, startup_cpu_ms=0.0, tick_log=None):
        self.bench, self.kind, self.pid = bench, kind, pid
        self.startup_ms, self.window, self.tick_log = startup_ms, window, tick_log
        self.startup_cpu_ms = startup_cpu_ms

    def rss_kb(self):
        with open(f"/proc/{self.pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        return 0

    def cpu_ns(self):
        """CPU time of each live thread in ns, by thread id (schedstat: exact, unlike the
        10 ms clock ticks of /proc/PID/stat)."""
        times = {}
        for tid in os.listdir(f"/proc/{self.pid}/task"):
            try:
                with open(f"/proc/{self.pid}/task/{tid}/schedstat") as f:
                    times[tid] = int(f.read().split()[0])
            except (OSError, IndexError, ValueError):
                pass
        return times

    @staticmethod
    def cpu_used_ns(before, after):
        """CPU time used between two cpu_ns() readings: threads that ended meanwhile (Qt's
        idle pool threads end after 30 s) do not take their earlier time with them."""
        return sum(t - before.get(tid, 0) for tid, t in after.items())

    def cpu_ticks(self):
        """utime + stime from /proc/PID/stat, in clock ticks (includes ended threads)."""
        with open(f"/proc/{self.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])

    def switches(self):
        """Voluntary context switches of all threads (each one a wake-up after a wait)."""
        total = 0
        for tid in os.listdir(f"/proc/{self.pid}/task"):
            try:
                with open(f"/proc/{self.pid}/task/{tid}/status") as f:
                    for line in f:
                        if line.startswith("voluntary_ctxt_switches:"):
                            total += int(line.split()[1])
            except OSError:
                pass
        return total

    def alive(self):
        try:
            with open(f"/proc/{self.pid}/stat") as f:
                return f.read().rsplit(")", 1)[1].split()[0] != "Z"
        except OSError:
            return False

    def keys(self, *keys, activate=True):
        cmd = ["xdotool"]
        if activate:
            cmd += ["windowactivate", "--sync", self.window]
        cmd += ["key", "--clearmodifiers", "--delay", "60", *keys]
        subprocess.run(cmd, check=False, stderr=subprocess.DEVNULL)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=False)

    def stop(self):
        for sig, wait in ((signal.SIGTERM, 3.0), (signal.SIGKILL, 3.0)):
            try:
                os.kill(self.pid, sig)
            except ProcessLookupError:
                break
            end = time.monotonic() + wait
            while time.monotonic() < end:
                try:
                    done, _ = os.waitpid(self.pid, os.WNOHANG)
                except ChildProcessError:
                    return
                if done:
                    return
                time.sleep(0.05)


class Bench:
    def __init__(self, args):
        self.args = args
        self.work = tempfile.mkdtemp(prefix="bench.", dir=args.work)
        self.runs = 0
        self.apps = []
        # The programs xwatch starts become our children when xwatch ends, so that they
        # can be reaped here (PR_SET_CHILD_SUBREAPER).
        ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)

    def env(self, extra=None):
        self.runs += 1
        env = dict(os.environ)
        env["XDG_CONFIG_HOME"] = os.path.join(self.work, f"config{self.runs}")
        os.makedirs(env["XDG_CONFIG_HOME"])
        env["XDG_STATE_HOME"] = os.path.join(self.work, f"state{self.runs}")
        env["LANG"] = env["LC_ALL"] = "C.UTF-8"
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("WAYLAND_DISPLAY", None)
        env.update(extra or {})
        return env

    def launch(self, kind, tick_log=False):
        """Starts the program or the baseline; waits for its window to be viewable."""
        binary, title = (
            (self.args.program, PROGRAM_TITLE) if kind == "program" else (self.args.baseline, BASELINE_TITLE)
        )
        extra = {"BASELINE_TITLE": BASELINE_TITLE}
        log_path = None
        if tick_log:
            log_path = os.path.join(self.work, f"ticks{self.runs + 1}.log")
            extra["TIKANDA_TICK_LOG"] = log_path
        out_log = open(os.path.join(self.work, f"{kind}{self.runs + 1}.log"), "w")
        res = subprocess.run(
            [self.args.xwatch, "launch", title, "30", "--", binary],
            env=self.env(extra), stdout=subprocess.PIPE, stderr=out_log, text=True,
        )
        fields = res.stdout.split()
        if res.returncode != 0 or len(fields) != 4:
            if fields:
                App(self, kind, int(fields[0]), 0, "").stop()
            raise RuntimeError(f"{kind}: no window '{title}' (xwatch: {res.stdout.strip()})")
        app = App(self, kind, int(fields[0]), float(fields[1]), fields[2], float(fields[3]), log_path)
        self.apps.append(app)
        return app

    def stop_all(self):
        for app in self.apps:
            app.stop()
        self.apps = []


# --- measurements ----------------------------------------------------------------------


def measure_startup(b, results):
    """Start-up to the viewable window, and the resident set after 10 s idle."""
    rounds = b.args.rounds
    log(f"start-up and idle memory: {rounds} rounds (and one warm-up), alternating")
    data = {k: {"ms": [], "cpu": [], "rss": []} for k in ("program", "baseline")}
    for r in range(rounds + 1):
        for kind in ("program", "baseline") if r % 2 == 0 else ("baseline", "program"):
            app = b.launch(kind)
            time.sleep(10)
            rss = app.rss_kb()
            app.stop()
            b.apps.remove(app)
            if r == 0:
                continue  # warm-up: first loads of the libraries and fonts from disk
            data[kind]["ms"].append(app.startup_ms)
            data[kind]["cpu"].append(app.startup_cpu_ms)
            data[kind]["rss"].append(rss)
            log(f"  {kind:8} start-up {app.startup_ms:7.1f} ms (CPU {app.startup_cpu_ms:6.1f} ms)   "
                f"RSS after 10 s {rss} kB")
    results["startup"] = data


def wakeups_by_strace(app, seconds):
    """Wake-ups of all threads from a blocking poll over SECONDS: the returns of poll
    family calls that blocked at least 1 ms, with the wall clock of each return."""
    out = os.path.join(app.bench.work, f"strace{app.pid}.txt")
    proc = subprocess.Popen(
        ["strace", "-f", "-qq", "-ttt", "-T", "-e", "trace=poll,ppoll,select,pselect6,epoll_wait,epoll_pwait",
         "-o", out, "-p", str(app.pid)],
        stderr=subprocess.DEVNULL,
    )
    time.sleep(seconds)
    proc.send_signal(signal.SIGINT)
    proc.wait()
    wakes = []
    unfinished = {}
    line_re = re.compile(r"^(\d+)\s+(\d+\.\d+)\s+(.*)$")
    with open(out) as f:
        for line in f:
            m = line_re.match(line)
            if not m:
                continue
            tid, ts, rest = m.group(1), float(m.group(2)), m.group(3)
            if rest.endswith("<unfinished ...>"):
                unfinished[tid] = ts
                continue
            d = re.search(r"<(\d+\.\d+)>\s*$", rest)
            if not d:
                continue
            duration = float(d.group(1))
            if "resumed>" in rest:
                unfinished.pop(tid, None)
                ended = ts
            else:
                ended = ts + duration
            if duration >= 0.001:
                wakes.append(ended)
    os.unlink(out)
    return wakes


def measure_cpu(b, results):
    """CPU time per tick and wake-ups: the program idle (stopped, digital face), with a
    running stopwatch on the digital face, and on the analog face; the baseline."""
    secs, rounds = b.args.cpu_seconds, b.args.cpu_rounds
    log(f"CPU per tick: {rounds} rounds of {secs} s per phase, alternating")
    phases = ("idle", "digital", "analog")
    data = {p: [] for p in phases}
    data.update({"baseline": [], "switches": {}, "stat": {}})
    for p in phases + ("baseline",):
        data["switches"][p] = []
        data["stat"][p] = []

    def run_phase(app, name):
        time.sleep(2)  # let the key presses' repaints settle
        c0, s0, t0, w0 = app.cpu_ns(), app.cpu_ticks(), time.monotonic(), app.switches()
        time.sleep(secs)
        c1, s1, t1, w1 = app.cpu_ns(), app.cpu_ticks(), time.monotonic(), app.switches()
        ticks = t1 - t0  # one tick a second
        per_tick = App.cpu_used_ns(c0, c1) / 1e6 / ticks
        data[name].append(per_tick)
        data["switches"][name].append((w1 - w0) / ticks)
        data["stat"][name].append((s1 - s0) * 1000 / CLK_TCK / ticks)
        log(f"  {name:8} {per_tick:6.3f} ms CPU per tick   {(w1 - w0) / ticks:5.1f} wake-ups/s")

    for r in range(rounds):
        order = ("program", "baseline") if r % 2 == 0 else ("baseline", "program")
        for kind in order:
            app = b.launch(kind)
            time.sleep(IDLE_AFTER_S)
            if kind == "baseline":
                run_phase(app, "baseline")
            else:
                run_phase(app, "idle")
                app.keys("ctrl+o", "F2")  # stopwatch, start
                run_phase(app, "digital")
                app.keys("ctrl+a")  # analog face
                run_phase(app, "analog")
            app.stop()
            b.apps.remove(app)
    results["cpu"] = data


def measure_idle_wakeups(b, results):
    """Wake-ups of the idle program seen by strace, sorted into the tick's and others."""
    secs = b.args.wake_seconds
    log(f"idle wake-ups: {secs} s under strace, each, from {WAKE_AFTER_S} s after the start")
    data = {}
    for kind in ("program", "baseline"):
        app = b.launch(kind)
        time.sleep(WAKE_AFTER_S)
        wakes = wakeups_by_strace(app, secs)
        app.stop()
        b.apps.remove(app)
        outside = [w for w in wakes if (w % 1.0) * 1000 >= TICK_WINDOW_MS]
        data[kind] = {"per_s": len(wakes) / secs, "outside_per_s": len(outside) / secs,
                      "outside_phases": sorted(round((w % 1.0) * 1000) for w in outside)[:20]}
        log(f"  {kind:8} {len(wakes) / secs:5.1f} wake-ups/s, {len(outside) / secs:5.1f}/s later than "
            f"{TICK_WINDOW_MS} ms after the second (e.g. at ms {data[kind]['outside_phases'][:8]})")
    results["wakeups"] = data


def measure_memory_run(b, results):
    """Resident set over a long stopwatch run on the analog face; the baseline beside it."""
    minutes = b.args.minutes
    secs = minutes * 60
    settle = min(60, secs / 4)
    log(f"memory over a {minutes} min stopwatch run on the analog face (baseline beside it)")
    prog = b.launch("program")
    base = b.launch("baseline")
    time.sleep(2)
    prog.keys("ctrl+o", "ctrl+a", "F2")
    t0 = time.monotonic()
    samples = {"program": [], "baseline": []}
    while True:
        t = time.monotonic() - t0
        for app in (prog, base):
            if not app.alive():
                raise RuntimeError(f"{app.kind} ended during the memory run")
            samples[app.kind].append((t, app.rss_kb()))
        if t >= secs:
            break
        time.sleep(min(10, secs - t))
    data = {}
    for kind, s in samples.items():
        at_settle = next(rss for t, rss in s if t >= settle)
        data[kind] = {"end": s[-1][1], "settle": at_settle,
                      "growth": max(rss for t, rss in s if t >= settle) - at_settle,
                      "settle_s": settle}
        log(f"  {kind:8} RSS {at_settle} kB at {settle:.0f} s, {s[-1][1]} kB at the end, "
            f"growth {data[kind]['growth']} kB")
    prog.stop()
    base.stop()
    b.apps = []
    results["memory_run"] = data


def measure_tick_phase(b, results):
    """Lag of each tick behind the wall-clock second: a minimised running stopwatch writes
    its time into the window title at each tick; the X server's PropertyNotify is stamped
    on arrival by xwatch."""
    secs = b.args.tick_seconds
    log(f"tick phase: {secs} s of title changes of the minimised stopwatch")
    app = b.launch("program", tick_log=True)
    time.sleep(1)
    app.keys("ctrl+o", "F2")
    time.sleep(0.5)
    subprocess.run(["xdotool", "windowminimize", "--sync", app.window], check=False)
    time.sleep(1.5)
    start = wall_us()
    res = subprocess.run([b.args.xwatch, "captions", app.window, str(secs)],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    app.stop()
    b.apps.remove(app)
    stamps = [int(line.split()[0]) for line in res.stdout.splitlines() if line.strip()]
    caption_lags = [(s % 1_000_000) / 1000 for s in stamps]
    fired, done = [], []
    with open(app.tick_log) as f:
        for line in f:
            n, a, z = (int(x) for x in line.split())
            if n == 1 and a >= start:
                fired.append((a % 1_000_000) / 1000)
                done.append((z % 1_000_000) / 1000)
    seconds_seen = {s // 1_000_000 for s in stamps}
    missing = (max(seconds_seen) - min(seconds_seen) + 1 - len(seconds_seen)) if stamps else 0
    data = {"caption": caption_lags, "fired": fired, "done": done, "missing": missing,
            "changes": len(stamps)}
    for name, v in (("title change at the X server", caption_lags), ("timer fired (tick log)", fired),
                    ("tick and repaint done (tick log)", done)):
        log(f"  {name:34} {len(v):3} ticks  median {median(v):6.1f} ms  p99 {percentile(v, 99):6.1f} ms"
            f"  max {max(v) if v else float('nan'):6.1f} ms")
    log(f"  seconds without a title change: {missing}")
    results["tick"] = data


class Recorder:
    """Records the null sink's monitor through parecord; maps each sample to the wall
    clock. Samples arrive in bursts, late by a varying amount: the earliest arrival relative
    to its place in the stream, among the chunks that arrived within a few seconds of the
    moment looked at, fixes where the stream stood (so that a slow drift between the sound
    server's clock and the wall clock does not add up over a long recording)."""

    RATE = 48000

    def __init__(self, sink):
        self.proc = subprocess.Popen(
            ["parecord", "--raw", "--format=s16le", f"--rate={self.RATE}", "--channels=1",
             "--latency-msec=5", f"--device={sink}.monitor"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
        )
        self.data = bytearray()
        self.chunks = []  # (arrival on the wall clock in µs, samples received by then)
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        fd = self.proc.stdout.fileno()
        while True:
            chunk = os.read(fd, 4096)
            now = wall_us()
            if not chunk:
                return
            self.data += chunk
            self.chunks.append((now, len(self.data) // 2))

    def stop(self):
        self.proc.send_signal(signal.SIGINT)
        self.proc.wait()
        self.thread.join(2)

    def first_sound_us(self, after_us, threshold=328):
        """The wall clock of the first sample at or after after_us louder than threshold
        (-40 dBFS), or None."""
        near = [t - n * 1_000_000 // self.RATE for t, n in self.chunks if abs(t - after_us) < 3_000_000]
        if not near:
            return None
        origin = min(near)  # wall clock (µs) of sample 0
        first = max(0, (after_us - origin) * self.RATE // 1_000_000)
        data = bytes(self.data)
        mv = memoryview(data[: len(data) // 2 * 2]).cast("h")
        for i in range(first, len(mv)):
            if abs(mv[i]) > threshold:
                return origin + i * 1_000_000 // self.RATE
        return None


def measure_alarm(b, results):
    """A countdown of 0:00:02 with the sound on: from the due tick (the timer's firing, in
    the tick log) to the alarm window viewable at the X server, and to the first sound on
    the null sink's monitor."""
    rounds = b.args.alarm_rounds
    sink = os.environ.get("BENCH_SINK", "")
    log(f"alarm latency: {rounds} countdowns of 0:00:02" + ("" if sink else " (no sound server)"))
    data = {"window": [], "sound": [], "window_boundary": [], "sound_boundary": []}
    # One recording over all rounds: the sink and the recorder are in a steady state.
    rec = Recorder(sink) if sink else None
    if sink:
        wav = os.path.join(os.path.dirname(b.args.program), "CILILINK.WAV")
        subprocess.run(["paplay", "--volume=0", wav], check=False, stderr=subprocess.DEVNULL)
    try:
        alarm_rounds(b, rounds, rec, data)
    finally:
        if rec:
            rec.stop()
    results["alarm"] = data


def alarm_rounds(b, rounds, rec, data):
    for r in range(rounds):
        f16 = subprocess.run([b.args.xwatch, "keycode", "F16"], stdout=subprocess.PIPE,
                             text=True).stdout.strip()
        if f16 not in ("", "0"):
            log(f"  (F16 is on keycode {f16} before this round: the program need not bind it)")
        app = b.launch("program", tick_log=True)
        time.sleep(1)
        # Sound on (off at a first run); 0:00:02 typed into the fields (the hours field
        # has the focus, Enter moves on); countdown mode; Enter moves to OK.
        app.keys("ctrl+z")
        for text in ("0", "00", "02"):
            app.type(text)
            app.keys("Return", activate=False)
        app.keys("ctrl+p", "Return", activate=False)
        time.sleep(0.5)
        watch = subprocess.Popen([b.args.xwatch, "wait", ALARM_TITLE, "20"],
                                 stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        watch.stderr.readline()  # "ready"
        time.sleep(0.5)
        started = wall_us()
        app.keys("Return", activate=False)  # OK: start
        out, _ = watch.communicate()
        time.sleep(1.5)
        app.keys("Escape", activate=False)
        # The program binds a spare keycode to F16 for its keystrokes and gives it back
        # 3 s after the last one: each round starts from the map without F16.
        time.sleep(4)
        app.stop()
        b.apps.remove(app)
        if watch.returncode != 0:
            log("  no alarm window (round skipped)")
            continue
        shown = int(out.split()[0])
        ticks = []
        with open(app.tick_log) as f:
            for line in f:
                n, a, z = (int(x) for x in line.split())
                if n == 1 and started <= a <= shown:
                    ticks.append((a, z))
        if not ticks:
            log("  no main-window tick before the alarm window (round skipped)")
            continue
        due, due_done = ticks[-1]
        data.setdefault("tick_work", []).append((due_done - due) / 1000)
        boundary = due - due % 1_000_000
        data["window"].append((shown - due) / 1000)
        data["window_boundary"].append((shown - boundary) / 1000)
        line = f"  window viewable {(shown - due) / 1000:6.1f} ms after the due tick"
        sound = rec.first_sound_us(due - 200_000) if rec else None
        if sound is not None:
            data["sound"].append((sound - due) / 1000)
            data["sound_boundary"].append((sound - boundary) / 1000)
            line += f", sound on the sink {(sound - due) / 1000:6.1f} ms after it"
        else:
            line += ", no sound recorded"
        log(line + f" (the tick fired {(due - boundary) / 1000:.1f} ms after its second and took "
            f"{(due_done - due) / 1000:.1f} ms)")


# --- report ----------------------------------------------------------------------------


def report(b, results, load_before, load_after):
    rows = []

    def row(name, prog, base, unit, goal_text, met, ratio=None, fmt="{:.1f}"):
        p = fmt.format(prog) + f" {unit}" if prog is not None else "—"
        q = fmt.format(base) + f" {unit}" if base is not None else "—"
        rt = f"{ratio:.2f}" if ratio is not None else "—"
        rows.append((name, p, q, rt, goal_text, "—" if met is None else "yes" if met else "NO"))

    if "startup" in results:
        d = results["startup"]
        p, q = median(d["program"]["ms"]), median(d["baseline"]["ms"])
        row("Start-up: exec to the window viewable", p, q, "ms", "≤ 1.15 × baseline", p <= 1.15 * q, p / q)
        p, q = median(d["program"]["cpu"]), median(d["baseline"]["cpu"])
        row("Start-up: CPU time until then", p, q, "ms", "—", None, p / q)
        p, q = median(d["program"]["rss"]) / 1024, median(d["baseline"]["rss"]) / 1024
        row("Memory: RSS after 10 s idle", p, q, "MB", "≤ 1.2 × baseline", p <= 1.2 * q, p / q)
    if "memory_run" in results:
        d = results["memory_run"]
        m = b.args.minutes
        p, q = d["program"]["end"] / 1024, d["baseline"]["end"] / 1024
        row(f"Memory: RSS after {m:g} min stopwatch, analog", p, q, "MB", "≤ 1.2 × baseline",
            p <= 1.2 * q, p / q)
        p, q = d["program"]["growth"], d["baseline"]["growth"]
        row(f"Memory: growth over the run (after {d['program']['settle_s']:.0f} s)", p, q, "kB",
            "≤ 1024 kB", p <= 1024, None, "{:.0f}")
    if "cpu" in results:
        d = results["cpu"]
        q = median(d["baseline"])
        for name, goal in (("idle", 1.5), ("digital", 1.5), ("analog", 3.0)):
            p = median(d[name])
            label = {"idle": "CPU per tick: stopped, digital face",
                     "digital": "CPU per tick: stopwatch, digital face",
                     "analog": "CPU per tick: stopwatch, analog face"}[name]
            row(label, p, q, "ms", f"≤ {goal:g} × baseline", p <= goal * q, p / q, "{:.3f}")
    if "wakeups" in results:
        d = results["wakeups"]
        p, q = d["program"]["per_s"], d["baseline"]["per_s"]
        row("Idle wake-ups per second (all threads)", p, q, "", "—", None, p / q if q else None)
        p = d["program"]["outside_per_s"]
        row(f"Idle wake-ups/s outside the tick (> {TICK_WINDOW_MS} ms)", p, None, "", "0", p == 0, None, "{:.2f}")
    if "tick" in results:
        d = results["tick"]
        p = median(d["caption"])
        row("Tick phase: lag behind the second, median", p, None, "ms", "≤ 10 ms", p <= 10)
        p = percentile(d["caption"], 99)
        row("Tick phase: lag behind the second, p99", p, None, "ms", "≤ 50 ms", p <= 50)
    if "alarm" in results:
        d = results["alarm"]
        if d["window"]:
            p = median(d["window"])
            row("Alarm: due tick to the window viewable", p, None, "ms", "≤ 100 ms", p <= 100)
        if d["sound"]:
            p = median(d["sound"])
            row("Alarm: due tick to sound on the sink", p, None, "ms", "≤ 150 ms", p <= 150)

    head = ("Measurement", "Tikanda", "Baseline", "Ratio", "Goal", "Met")
    widths = [max(len(r[i]) for r in rows + [head]) for i in range(len(head))]
    print()
    print(f"Tikanda benchmarks ({'quick' if b.args.quick else 'full'} run; medians)")
    print(f"load average before: {load_before}; after: {load_after}")
    print(f"program: {b.args.program}")
    print()
    print("| " + " | ".join(h.ljust(w) for h, w in zip(head, widths)) + " |")
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        print("| " + " | ".join(c.ljust(w) for c, w in zip(r, widths)) + " |")
    print()
    if "alarm" in results and results["alarm"]["window"]:
        d = results["alarm"]
        print(f"Alarm rounds: window {', '.join(f'{v:.1f}' for v in d['window'])} ms; "
              f"sound {', '.join(f'{v:.1f}' for v in d['sound']) or 'none'} ms after the due tick "
              f"(from its second boundary: window {median(d['window_boundary']):.1f} ms, "
              f"sound {median(d['sound_boundary']):.1f} ms)")
    if "tick" in results:
        d = results["tick"]
        print(f"Tick phase: {d['changes']} title changes, {d['missing']} seconds without one; inside the "
              f"program (tick log) the timer fired at median {median(d['fired']):.1f} ms / p99 "
              f"{percentile(d['fired'], 99):.1f} ms, tick and repaint done at median "
              f"{median(d['done']):.1f} ms / p99 {percentile(d['done'], 99):.1f} ms")
    if "cpu" in results:
        d = results["cpu"]
        print("CPU per tick from /proc/PID/stat (10 ms clock ticks, coarse): " + ", ".join(
            f"{k} {median(v):.3f} ms" for k, v in d["stat"].items()))
        print("Voluntary context switches per second (all threads): " + ", ".join(
            f"{k} {median(v):.1f}" for k, v in d["switches"].items()))


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--program", required=True)
    ap.add_argument("--baseline", required=True)
    ap.add_argument("--xwatch", required=True)
    ap.add_argument("--work", default=tempfile.gettempdir())
    ap.add_argument("--quick", action="store_true", help="short runs for development")
    ap.add_argument("--only", default="startup,cpu,wakeups,memory,tick,alarm",
                    help="comma-separated subset of startup,cpu,wakeups,memory,tick,alarm")
    args = ap.parse_args()
    q = args.quick
    args.rounds = 7 if q else 21
    args.cpu_rounds = 2 if q else 3
    args.cpu_seconds = 30 if q else 120
    args.wake_seconds = 20 if q else 60
    args.minutes = 1 if q else 10
    args.tick_seconds = 30 if q else 60
    args.alarm_rounds = 3 if q else 7

    b = Bench(args)
    results = {}
    before = load()
    steps = {"startup": measure_startup, "cpu": measure_cpu, "wakeups": measure_idle_wakeups,
             "memory": measure_memory_run, "tick": measure_tick_phase, "alarm": measure_alarm}
    try:
        for name in args.only.split(","):
            steps[name](b, results)
    finally:
        b.stop_all()
    report(b, results, before, load())


if __name__ == "__main__":
    main()
