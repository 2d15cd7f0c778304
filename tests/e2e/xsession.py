"""A private X server, the real game on it, and the outside tools that see and drive it."""

import os
import re
import select
import subprocess
import tempfile
import time

# Generous: the CI machine has two cores and runs the sanitizer build too.
DEADLINE_S = 60.0
POLL_S = 0.05


def wait_until(condition, what, timeout=DEADLINE_S):
    """Polls condition until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError(f"no {what} within {timeout:.0f} s")
        time.sleep(POLL_S)


def run(*command, env=None):
    return subprocess.run(command, env=env, check=True, capture_output=True, text=True).stdout


def is_background_picture(rgb):
    red, green, blue = rgb
    return red < 48 and green < 48 and blue > max(red, green)


def menu_bar_height(image):
    """The first row of the game's background picture; None while the window is unpainted."""
    column = 2  # left of the title label
    for y in range(image.height):
        if is_background_picture(image.pixel(column, y)):
            return y
    return None


class Image:
    """An RGB picture read from ImageMagick's PPM output."""

    def __init__(self, ppm):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        if header is None:
            raise ValueError("not an 8-bit PPM picture")
        self.width, self.height = int(header[1]), int(header[2])
        self._pixels = ppm[header.end():]

    def pixel(self, x, y):
        start = 3 * (y * self.width + x)
        return tuple(self._pixels[start:start + 3])

    def region(self, x, y, width, height):
        """The raw pixels of a rectangle, for comparing two pictures."""
        rows = (self._pixels[3 * ((y + row) * self.width + x):][:3 * width]
                for row in range(height))
        return b"".join(rows)


class XServer:
    """Xvfb on the first free display, so that parallel test runs do not meet."""

    def __init__(self, width=1024, height=768):
        self.width, self.height = width, height
        self.display = None
        self._process = None
        self._runtime_dir = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        self._process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.width}x{self.height}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end, "rb") as announcement:
            ready, _, _ = select.select([announcement], [], [], DEADLINE_S)
            number = announcement.readline().strip() if ready else b""
        if not number:
            self._process.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number.decode()}"
        self._runtime_dir = tempfile.TemporaryDirectory()
        return self

    def __exit__(self, *_):
        self._process.terminate()
        self._process.wait()
        self._runtime_dir.cleanup()

    def env(self):
        env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                   XDG_RUNTIME_DIR=self._runtime_dir.name)
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def tool(self, *command):
        return run(*command, env=self.env())

    def grab(self, window="root"):
        ppm = subprocess.run(["import", "-silent", "-window", window, "-depth", "8", "ppm:-"],
                             env=self.env(), check=True, capture_output=True).stdout
        return Image(ppm)

    def geometry(self, window):
        """The window's left, top, width and height on the screen."""
        info = self.tool("xwininfo", "-id", window)
        field = lambda name: int(re.search(rf"{name}:\s+(-?\d+)", info)[1])
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def click(self, x, y):
        self.tool("xdotool", "mousemove", str(x), str(y), "click", "1")


class Game:
    """The real zanfira binary on an X server, with its output kept for the report."""

    def __init__(self, binary, server, launcher=()):
        """launcher: a command and its options put before the binary, such as valgrind."""
        self.server = server
        self._output = tempfile.TemporaryFile()
        self.process = subprocess.Popen([*launcher, binary], env=server.env(), stdout=self._output,
                                        stderr=subprocess.STDOUT)

    def windows(self, title=None):
        """The game's visible windows, or those with this exact title."""
        by_title = ["--name", f"^{re.escape(title)}$"] if title is not None else []
        search = subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid),
             *by_title], env=self.server.env(), capture_output=True, text=True)
        return search.stdout.split()

    def wait_for_window(self, title, timeout=DEADLINE_S):
        return wait_until(lambda: self.windows(title), f'window "{title}"', timeout)[0]

    def wait_for_exit(self, timeout=DEADLINE_S):
        wait_until(lambda: self.process.poll() is not None, "exit of the game", timeout)
        return self.process.returncode

    def stop(self):
        """Ends the game if it still runs, and returns everything it printed."""
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        with self._output:
            self._output.seek(0)
            return self._output.read().decode(errors="replace")
