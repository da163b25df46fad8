#!/usr/bin/env python3
"""Kavo's lean figures beside the bare references, in one run.

On a private Xvfb (1920x1080) with openbox and a notification area (trayer), measures:
  - tray only: Kavo (its guardian on a line of its own) and the bare Qt tray program side by
    side: idle CPU and wake-ups a minute (times scheduled in, from /proc/PID/task/*/schedstat,
    summed over the threads), RSS and PSS (from /proc/PID/smaps_rollup);
  - window open: Kavo started with --show_ui and the bare QtWebKit view side by side, the same;
  - exec -> first ramp: Kavo started RAMP_RUNS times, timed until the first CRTC's ramp changes;
  - kavoctl status (Kavo running), kavoctl version and kavo --version: wall time (hyperfine);
and prints the goals table. Each figure is the median over the rounds.

Usage: bench/idle/lean_goals.py [build-dir]
Knobs (environment): ROUND_SECONDS (30) measured per round, SETTLE_SECONDS (8) of start-up
before each, ROUNDS (2), RAMP_RUNS (7). One round of each kind takes about
2 x (SETTLE_SECONDS + ROUND_SECONDS); the defaults run in about three minutes.
"""
import json
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
ROUND_SECONDS = float(os.environ.get("ROUND_SECONDS", "30"))
SETTLE_SECONDS = float(os.environ.get("SETTLE_SECONDS", "8"))
ROUNDS = int(os.environ.get("ROUNDS", "2"))
RAMP_RUNS = int(os.environ.get("RAMP_RUNS", "7"))

KAVO = os.path.join(BUILD, "src", "kavo")
KAVOCTL = os.path.join(BUILD, "tools", "kavoctl", "kavoctl")
BARE_TRAY = os.path.join(BUILD, "bench", "idle", "bench_bare_tray")
BARE_WEBVIEW = os.path.join(BUILD, "bench", "idle", "bench_bare_webview")
FIRST_RAMP = os.path.join(BUILD, "bench", "idle", "bench_first_ramp")

work = tempfile.mkdtemp(prefix="kavo-lean-")
background = []


def start_background(command, **kwargs):
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               **kwargs)
    background.append(process)
    return process


def start_desktop():
    read_end, write_end = os.pipe()
    start_background(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1080x24",
                      "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as display_file:
        os.environ["DISPLAY"] = ":" + display_file.readline().strip()
    start_background(["openbox"])
    start_background(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                      "--height", "24"])
    time.sleep(2)


def home_environment(name):
    """A home of its own for one program: settings, runtime folder, configuration."""
    home = tempfile.mkdtemp(prefix=name + "-", dir=work)
    for folder in ("runtime", "settings", "config", "data"):
        os.makedirs(os.path.join(home, folder), mode=0o700)
    with open(os.path.join(home, "settings", "kavo_settings.ini"), "w") as settings:
        settings.write("[General]\nSaveVersion=6\nIsFirstStart=false\n")
    environment = dict(os.environ)
    environment.update(XDG_RUNTIME_DIR=os.path.join(home, "runtime"),
                       XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"),
                       KAVO_SETTINGS_DIR=os.path.join(home, "settings"),
                       KAVO_PLATFORM="x11", QT_QPA_PLATFORM="xcb")
    return environment


def thread_schedstats(pid):
    """{thread id: (nanoseconds on a CPU, times scheduled in)} of the process's threads."""
    stats = {}
    task_dir = "/proc/%d/task" % pid
    for task in os.listdir(task_dir):
        try:
            with open(os.path.join(task_dir, task, "schedstat")) as stat:
                fields = stat.read().split()
        except OSError:
            continue  # a thread that ended meanwhile
        stats[int(task)] = (int(fields[0]), int(fields[2]))
    return stats


class ThreadCounter:
    """CPU time and wake-ups of a process over an interval, summed over its threads, those that
    start or end during the interval included (looked at every second: a thread that ends
    loses at most its last second)."""

    def __init__(self, pid):
        self.pid = pid
        self.first = thread_schedstats(pid)
        self.last = dict(self.first)

    def look(self):
        self.last.update(thread_schedstats(self.pid))

    def totals(self):
        cpu = runs = 0
        for task, (task_cpu, task_runs) in self.last.items():
            start_cpu, start_runs = self.first.get(task, (0, 0))
            cpu += task_cpu - start_cpu
            runs += task_runs - start_runs
        return cpu, runs


def memory(pid):
    """RSS and PSS in kB."""
    values = {}
    with open("/proc/%d/smaps_rollup" % pid) as rollup:
        for line in rollup:
            parts = line.split()
            if parts[0] in ("Rss:", "Pss:"):
                values[parts[0][:-1]] = int(parts[1])
    return values["Rss"], values["Pss"]


def children(pid):
    try:
        with open("/proc/%d/task/%d/children" % (pid, pid)) as listing:
            return [int(child) for child in listing.read().split()]
    except OSError:
        return []


def stop(process):
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=15)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def idle_round(programs, while_running=None):
    """Starts `programs` ({row: command}) side by side and measures them over one round.

    A Kavo row gets a "<row>, guardian" row when Kavo started its guardian. `while_running`
    is called with the environments once the round is measured, before the programs end."""
    started = {}
    for row, command in programs.items():
        environment = home_environment("p")
        started[row] = (subprocess.Popen(command, env=environment, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL), environment)
    time.sleep(SETTLE_SECONDS)
    watched = {}
    for row, (process, _) in started.items():
        if process.poll() is not None:
            sys.exit("%s ended during start-up (status %d)" % (row, process.returncode))
        watched[row] = process.pid
        for child in children(process.pid):
            watched[row + ", guardian"] = child
    counters = {row: ThreadCounter(pid) for row, pid in watched.items()}
    end = time.monotonic() + ROUND_SECONDS
    while time.monotonic() < end:
        time.sleep(min(1.0, max(0.0, end - time.monotonic())))
        for counter in counters.values():
            counter.look()
    figures = {}
    for row, pid in watched.items():
        cpu, runs = counters[row].totals()
        rss, pss = memory(pid)
        per_minute = 60.0 / ROUND_SECONDS
        figures[row] = {"cpu_ms": cpu / 1e6 * per_minute, "wakeups": runs * per_minute,
                        "rss_mb": rss / 1024.0, "pss_mb": pss / 1024.0}
    if while_running:
        figures.update(while_running({row: env for row, (_, env) in started.items()}))
    for process, _ in started.values():
        stop(process)
    return figures


def hyperfine_ms(name, command, environment):
    """Median wall time of `command` in milliseconds."""
    result = os.path.join(work, name.replace(" ", "_") + ".json")
    subprocess.run(["hyperfine", "-N", "--warmup", "3", "--runs", "30", "--style", "none",
                    "--export-json", result, command], env=environment, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(result) as exported:
        return {name: {"wall_ms": json.load(exported)["results"][0]["median"] * 1000.0}}


def command_walls(environments):
    environment = environments["Kavo"]
    walls = {}
    walls.update(hyperfine_ms("kavoctl status", KAVOCTL + " status", environment))
    walls.update(hyperfine_ms("kavoctl version", KAVOCTL + " version", environment))
    walls.update(hyperfine_ms("kavo --version", KAVO + " --version", environment))
    return walls


def first_ramp_ms():
    times = []
    for _ in range(RAMP_RUNS):
        answer = subprocess.run([FIRST_RAMP, "10000", KAVO], env=home_environment("ramp"),
                                capture_output=True, text=True)
        if answer.returncode != 0:
            sys.exit("exec -> first ramp failed: " + answer.stderr)
        times.append(float(answer.stdout))
    return statistics.median(times)


def median_of(rounds, row, key):
    return statistics.median(figures[row][key] for figures in rounds)


def print_table(tray, window, ramp_ms):
    def m(rounds, row, key):
        return median_of(rounds, row, key)

    kavo_rss = m(tray, "Kavo", "rss_mb")
    bare_rss = m(tray, "bare tray", "rss_mb")
    kavo_cpu = m(tray, "Kavo", "cpu_ms")
    bare_cpu = m(tray, "bare tray", "cpu_ms")
    kavo_wakeups = m(tray, "Kavo", "wakeups")
    window_cpu = m(window, "Kavo", "cpu_ms")
    web_cpu = m(window, "bare web view", "cpu_ms")
    window_rss = m(window, "Kavo", "rss_mb")
    web_rss = m(window, "bare web view", "rss_mb")
    has_guardian = all("Kavo, guardian" in figures for figures in tray)

    def verdict(ok):
        return "yes" if ok else "**no**"

    print("Lean figures on Xvfb 1920x1080 + openbox + trayer: medians of %d rounds of %g s "
          "after %g s to settle; first ramp: median of %d starts.\n"
          % (ROUNDS, ROUND_SECONDS, SETTLE_SECONDS, RAMP_RUNS))
    print("| figure | Kavo | reference | goal | met |")
    print("|---|---|---|---|---|")
    print("| tray-only RSS (kavo process) | %.1f MB (PSS %.1f MB) | bare tray %.1f MB "
          "(PSS %.1f MB): %.2f× | ≤ 1.3× | %s |"
          % (kavo_rss, m(tray, "Kavo", "pss_mb"), bare_rss, m(tray, "bare tray", "pss_mb"),
             kavo_rss / bare_rss, verdict(kavo_rss <= 1.3 * bare_rss)))
    if has_guardian:
        print("| tray-only, the guardian | RSS %.1f MB, PSS %.1f MB; %.2f ms, %.0f wake-ups a "
              "minute | | | |"
              % (m(tray, "Kavo, guardian", "rss_mb"), m(tray, "Kavo, guardian", "pss_mb"),
                 m(tray, "Kavo, guardian", "cpu_ms"), m(tray, "Kavo, guardian", "wakeups")))
    print("| tray-only idle CPU | %.2f ms a minute | bare tray %.2f ms: %.1f× | ≤ 3 ms and "
          "≤ 15× | %s |"
          % (kavo_cpu, bare_cpu, kavo_cpu / max(bare_cpu, 1e-3),
             verdict(kavo_cpu <= 3 and kavo_cpu <= 15 * max(bare_cpu, 1e-3))))
    print("| tray-only wake-ups | %.0f a minute | bare tray %.0f | ≤ 30 | %s |"
          % (kavo_wakeups, m(tray, "bare tray", "wakeups"), verdict(kavo_wakeups <= 30)))
    print("| exec → first ramp | %.1f ms | | ≤ 30 ms | %s |" % (ramp_ms, verdict(ramp_ms <= 30)))
    for command in ("kavoctl status", "kavoctl version"):
        wall = m(tray, command, "wall_ms")
        print("| `%s` | %.1f ms | | ≤ 15 ms | %s |" % (command, wall, verdict(wall <= 15)))
    print("| `kavo --version` | %.1f ms | | | |" % m(tray, "kavo --version", "wall_ms"))
    print("| window-open idle CPU | %.2f ms a minute, %.0f wake-ups | bare web view %.2f ms, "
          "%.0f wake-ups: %.2f× | ≤ 1.5× | %s |"
          % (window_cpu, m(window, "Kavo", "wakeups"), web_cpu,
             m(window, "bare web view", "wakeups"), window_cpu / max(web_cpu, 1e-3),
             verdict(window_cpu <= 1.5 * web_cpu)))
    print("| window-open RSS | %.1f MB | bare web view %.1f MB: %+.1f MB | ≤ +30 MB | %s |"
          % (window_rss, web_rss, window_rss - web_rss, verdict(window_rss <= web_rss + 30)))


def main():
    for program in (KAVO, KAVOCTL, BARE_TRAY, BARE_WEBVIEW, FIRST_RAMP):
        if not os.access(program, os.X_OK):
            sys.exit("not built: " + program)
    start_desktop()
    tray = []
    window = []
    for _ in range(ROUNDS):
        tray.append(idle_round({"Kavo": [KAVO], "bare tray": [BARE_TRAY]}, command_walls))
        window.append(idle_round({"Kavo": [KAVO, "--show_ui"], "bare web view": [BARE_WEBVIEW]}))
    print_table(tray, window, first_ramp_ms())


try:
    main()
finally:
    for process in reversed(background):
        process.terminate()
        process.wait()
    subprocess.run(["rm", "-rf", work])
