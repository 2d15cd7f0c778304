"""Makes docs/screenshot.png: the real window as it opens, grabbed from a private Xvfb.

    python3 tools/screenshot.py [path/to/zanfira]    (default: build/src/zanfira)
"""

import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

from xsession import Game, XServer, menu_bar_height, wait_until  # noqa: E402


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else str(ROOT / "build" / "src" / "zanfira")
    target = ROOT / "docs" / "screenshot.png"
    with XServer() as server:
        game = Game(binary, server)
        try:
            window = game.wait_for_window("Zanfira")
            wait_until(lambda: menu_bar_height(server.grab(window)), "painted window")
            # Stripped of the time stamps, so that an unchanged window makes an unchanged file.
            server.tool("import", "-silent", "-window", window, "-strip", str(target))
        finally:
            print(game.stop(), end="")
    print(target)


if __name__ == "__main__":
    main()
