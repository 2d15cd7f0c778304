"""CPU wake-ups per second of the idle game on a private Xvfb: with the time off, while
the time limit waits for its first stage, and while it counts the last thirty seconds.
A wake-up is a context switch of any of the game's threads, read from /proc.

    python3 bench/idle/wakeups.py [path/to/zanfira]    (default: a fresh Release build)
    RUNS=3 WINDOW_S=3 python3 bench/idle/wakeups.py
"""

import os
import pathlib
import statistics
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

from xsession import Game, XServer, menu_bar_height, wait_until  # noqa: E402

OUT = pathlib.Path(os.environ.get("OUT", "/tmp/zanfira-idle-bench"))
RUNS = int(os.environ.get("RUNS", "3"))
WINDOW_S = float(os.environ.get("WINDOW_S", "3"))
SETTLE_S = 1.0
# Stage 2 fires 30.5 s after Ligado, then one stage a second.
COUNTING_FROM_S = 32.0
STATUS_BAR_HEIGHT = 19


def build():
    build_dir = OUT / "game"
    subprocess.run(["cmake", "-S", ROOT, "-B", build_dir, "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Release", "-DBUILD_TESTING=OFF"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build_dir], check=True, stdout=subprocess.DEVNULL)
    return str(build_dir / "src" / "zanfira")


def context_switches(pid):
    total = 0
    for task in pathlib.Path(f"/proc/{pid}/task").iterdir():
        for line in (task / "status").read_text().splitlines():
            if line.startswith(("voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:")):
                total += int(line.split()[1])
    return total


def wakeups_per_second(pid):
    before, started = context_switches(pid), time.monotonic()
    time.sleep(WINDOW_S)
    return (context_switches(pid) - before) / (time.monotonic() - started)


def status_bar(server, window):
    image = server.grab(window)
    return image.region(0, image.height - STATUS_BAR_HEIGHT, image.width, STATUS_BAR_HEIGHT)


def switch_time_on(server, game, window):
    """Opções › Tempo › Ligado, from the keyboard once the first menu is open."""
    menu_bar = menu_bar_height(server.grab(window))
    status_before = status_bar(server, window)
    left, top, _, _ = server.geometry(window)
    server.click(left + 12, top + menu_bar // 2)  # "Arquivo", first in the bar
    wait_until(lambda: len(game.windows()) > 1, "Arquivo menu")
    server.tool("xdotool", "key", "Right", "Right", "Return")  # Opções, Tempo, Ligado
    wait_until(lambda: status_bar(server, window) != status_before, '"60 segundos"')
    return time.monotonic()


def measure_once(binary, server):
    game = Game(binary, server)
    try:
        window = game.wait_for_window("Zanfira")
        wait_until(lambda: menu_bar_height(server.grab(window)), "painted window")
        time.sleep(SETTLE_S)
        time_off = wakeups_per_second(game.process.pid)
        switched_on = switch_time_on(server, game, window)
        server.tool("xdotool", "mousemove", "0", "0")  # no hover over the window while measuring
        time.sleep(SETTLE_S)
        waiting = wakeups_per_second(game.process.pid)
        time.sleep(max(0.0, switched_on + COUNTING_FROM_S - time.monotonic()))
        counting = wakeups_per_second(game.process.pid)
        return time_off, waiting, counting
    finally:
        game.stop()


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else build()
    with XServer() as server:
        runs = [measure_once(binary, server) for _ in range(RUNS)]
    print(f"wake-ups per second over {WINDOW_S:g} s, median of {RUNS} runs (all runs):")
    for index, name in enumerate(("time off", "time on, waiting for stage 1",
                                  "time on, counting down")):
        values = [run[index] for run in runs]
        listed = " ".join(f"{value:.2f}" for value in values)
        print(f"  {name:30} {statistics.median(values):6.2f}   ({listed})")


if __name__ == "__main__":
    main()
