"""The facil layout solved on the real game by mouse clicks from outside the process."""

import os
import unittest

from board_look import FACIL_LAYOUT, SIDE, SOLVED, expected_look, slide, wait_for_look
from form1 import cell_centre, choose_sair, embaralhar_centre
from xsession import Game, XServer, menu_bar_height, run, wait_until


def solution_clicks(board):
    """Cell indices, row-major from 0, from the C++ solver the differential test uses."""
    return [int(cell) for cell in run(os.environ["SOLUTION_CLICKS"], *board).split()]


class SolveTest(unittest.TestCase):
    def setUp(self):
        self.server = XServer()
        self.server.__enter__()
        self.addCleanup(self.server.__exit__)
        self.game = Game(os.environ["ZANFIRA"], self.server)
        self.addCleanup(self.stop_game)
        self.window = self.game.wait_for_window("Zanfira")
        self.menu_bar = wait_until(lambda: menu_bar_height(self.server.grab(self.window)),
                                   "painted window")
        self.geometry = self.server.geometry(self.window)

    def stop_game(self):
        output = self.game.stop()
        if output:
            print(f"\n--- output of the game:\n{output}")

    def wait_for_look(self, board, after):
        wait_for_look(self.server, self.window, self.menu_bar, board, after)

    def click_cell(self, cell):
        self.server.click(*cell_centre(self.geometry, self.menu_bar,
                                       cell // SIDE + 1, cell % SIDE + 1))

    def test_facil_solved_by_clicks_rows_turn_red_box_shown_and_sair_exits_0(self):
        self.server.click(*embaralhar_centre(self.geometry, self.menu_bar))
        self.wait_for_look(FACIL_LAYOUT, "Embaralhar")

        clicks = solution_clicks(FACIL_LAYOUT)
        board = FACIL_LAYOUT
        rows_seen_red = set()
        for move, cell in enumerate(clicks[:-1], start=1):
            self.click_cell(cell)
            board = slide(board, cell)
            self.wait_for_look(board, f"move {move} of {len(clicks)}, a click on cell {cell}")
            rows_seen_red |= {c // SIDE for c, (_, red) in enumerate(expected_look(board)) if red}
        self.assertIn(0, rows_seen_red, "the first row was never seen complete before the win")

        # The box may cover the board, so the last move is seen once it has gone.
        self.click_cell(clicks[-1])
        self.game.wait_for_window("Parabens !!!")
        self.server.tool("xdotool", "key", "Return")
        wait_until(lambda: not self.game.windows("Parabens !!!"), "dismissal of the box")
        self.wait_for_look(SOLVED, "the box was dismissed")

        choose_sair(self.server, self.game, self.window, self.menu_bar)
        self.assertEqual(self.game.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
