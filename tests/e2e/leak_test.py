"""The real game under valgrind's memcheck on Xvfb: clicks, a deal and Sair, then no
definite leak and no memory error outside the suppressed one-time allocations of Qt."""

import os
import pathlib
import re
import tempfile
import unittest

from board_look import FACIL_LAYOUT, SIDE, slide, wait_for_look
from form1 import cell_centre, choose_sair, embaralhar_centre
from xsession import Game, XServer, menu_bar_height, wait_until

# Memcheck runs Qt some thirty times slower, start-up most of all.
VALGRIND_DEADLINE_S = 300
# Ending includes memcheck's leak search, a few seconds.
EXIT_DEADLINE_S = 60
SAIR_ATTEMPTS = 3
# It exits with this when it reports an error or a definite leak.
MEMCHECK_ERROR_EXIT = 99
START_BOARD = ["06", "07", "04", "",
               "08", "10", "09", "03",
               "01", "02", "05", "12",
               "11", "14", "15", "13"]
# Round the blank's 2 × 2 corner, first on the start board, then on the deal.
CLICKS_ON_START = (2, 6, 7, 3)
CLICKS_ON_FACIL = (8, 4, 5, 9)


def memcheck(log, suppressions):
    return ("valgrind", "--tool=memcheck", "--leak-check=full", "--show-leak-kinds=definite",
            "--errors-for-leak-kinds=definite", f"--error-exitcode={MEMCHECK_ERROR_EXIT}",
            "--child-silent-after-fork=yes",
            f"--suppressions={suppressions}", "--num-callers=40", f"--log-file={log}")


class LeakTest(unittest.TestCase):
    def setUp(self):
        self.server = XServer()
        self.server.__enter__()
        self.addCleanup(self.server.__exit__)
        directory = tempfile.TemporaryDirectory()
        self.addCleanup(directory.cleanup)
        self.log = pathlib.Path(directory.name, "memcheck.log")
        suppressions = pathlib.Path(__file__).with_name("valgrind.supp")
        self.game = Game(os.environ["ZANFIRA"], self.server, memcheck(self.log, suppressions))
        self.addCleanup(self.stop_game)

    def stop_game(self):
        output = self.game.stop()
        if output:
            print(f"\n--- output of the game:\n{output}")

    def play(self, window, menu_bar, board, clicks):
        geometry = self.server.geometry(window)
        for cell in clicks:
            self.server.click(*cell_centre(geometry, menu_bar, cell // SIDE + 1, cell % SIDE + 1))
            board = slide(board, cell)
            wait_for_look(self.server, window, menu_bar, board, f"a click on cell {cell}")

    def choose_sair_until_exit(self, window, menu_bar):
        # Under memcheck a menu sometimes drops the first click on an item; choose again.
        for _ in range(SAIR_ATTEMPTS):
            choose_sair(self.server, self.game, window, menu_bar)
            try:
                return self.game.wait_for_exit(EXIT_DEADLINE_S)
            except TimeoutError:
                if not self.game.windows("Zanfira"):
                    raise
        self.fail(f"Sair chosen {SAIR_ATTEMPTS} times, and the game still runs")

    def test_clicks_a_deal_and_sair_leave_no_definite_leak(self):
        window = self.game.wait_for_window("Zanfira", VALGRIND_DEADLINE_S)
        menu_bar = wait_until(lambda: menu_bar_height(self.server.grab(window)),
                              "painted window", VALGRIND_DEADLINE_S)
        self.play(window, menu_bar, START_BOARD, CLICKS_ON_START)
        self.server.click(*embaralhar_centre(self.server.geometry(window), menu_bar))
        wait_for_look(self.server, window, menu_bar, FACIL_LAYOUT, "Embaralhar")
        self.play(window, menu_bar, FACIL_LAYOUT, CLICKS_ON_FACIL)
        exit_code = self.choose_sair_until_exit(window, menu_bar)
        report = self.log.read_text()
        print(re.search(r"LEAK SUMMARY:.*?(?=\n==\d+== \n)", report, re.S)[0])
        self.assertEqual(exit_code, 0, f"memcheck found errors or definite leaks:\n{report}")
        self.assertRegex(report, r"definitely lost: 0 bytes")


if __name__ == "__main__":
    unittest.main(verbosity=2)
