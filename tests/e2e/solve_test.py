"""The facil layout solved on the real game by mouse clicks from outside the process."""

import os
import time
import unittest

from form1 import (CELL_HEIGHT, CELL_INSET, CELL_PITCH_X, CELL_PITCH_Y, FIRST_CELL_LEFT,
                   FIRST_CELL_TOP, CELL_WIDTH, cell_centre, choose_sair, embaralhar_centre)
from xsession import DEADLINE_S, POLL_S, Game, XServer, menu_bar_height, run, wait_until

SIDE = 4
FACIL_LAYOUT = ["14", "09", "07", "12",
                "05", "03", "04", "11",
                "15", "", "06", "02",
                "08", "13", "01", "10"]
SOLVED = [f"{tile:02}" for tile in range(1, SIDE * SIDE)] + [""]
RED = (255, 0, 0)


def solution_clicks(board):
    """Cell indices, row-major from 0, from the C++ solver the differential test uses."""
    return [int(cell) for cell in run(os.environ["SOLUTION_CLICKS"], *board).split()]


def slide(board, clicked):
    board = list(board)
    blank = board.index("")
    board[blank], board[clicked] = board[clicked], board[blank]
    return board


def expected_look(board):
    """Per cell: whether it is blank, and whether it is painted red (its row complete)."""
    complete = [board[SIDE * row:SIDE * (row + 1)] == SOLVED[SIDE * row:SIDE * (row + 1)]
                for row in range(SIDE)]
    # The blank corner of the last row is never painted.
    return [(board[cell] == "", complete[cell // SIDE] and cell != SIDE * SIDE - 1)
            for cell in range(SIDE * SIDE)]


def seen_look(image, menu_bar):
    """Per cell as the screenshot shows it: a blank cell's inside is one flat colour."""
    look = []
    for cell in range(SIDE * SIDE):
        left = FIRST_CELL_LEFT + CELL_PITCH_X * (cell % SIDE) + CELL_INSET
        top = menu_bar + FIRST_CELL_TOP + CELL_PITCH_Y * (cell // SIDE) + CELL_INSET
        pixels = {image.pixel(x, y) for x in range(left, left + CELL_WIDTH - 2 * CELL_INSET)
                  for y in range(top, top + CELL_HEIGHT - 2 * CELL_INSET)}
        look.append((len(pixels) == 1, image.pixel(left, top) == RED))
    return look


def describe(look):
    rows = ("".join("_" if blank else ("R" if red else "t") for blank, red in look[row:row + SIDE])
            for row in range(0, SIDE * SIDE, SIDE))
    return " / ".join(rows) + "  (t tile, R red tile, _ blank)"


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
        expected = expected_look(board)
        deadline = time.monotonic() + DEADLINE_S
        while (seen := seen_look(self.server.grab(self.window), self.menu_bar)) != expected:
            if time.monotonic() > deadline:
                self.fail(f"after {after}:\nexpected {describe(expected)}\n"
                          f"seen     {describe(seen)}")
            time.sleep(POLL_S)

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
