"""The real game on a real X server, driven and seen only from outside the process."""

import os
import unittest

from xsession import Game, XServer, menu_bar_height, wait_until

CLIENT_WIDTH, CLIENT_HEIGHT = 199, 251
# Frame1 at 24, 24 in the client area; in it the cells from 8, 16 on a 32 × 24 pitch.
FIRST_CELL_LEFT, FIRST_CELL_TOP = 32, 40
CELL_PITCH_X, CELL_PITCH_Y = 32, 24
CELL_WIDTH, CELL_HEIGHT = 33, 25
# Inside the borders that focus and the one-pixel overlaps draw on.
CELL_INSET = 3


def cell_inside(image, menu_bar, row, column):
    left = FIRST_CELL_LEFT + CELL_PITCH_X * (column - 1) + CELL_INSET
    top = menu_bar + FIRST_CELL_TOP + CELL_PITCH_Y * (row - 1) + CELL_INSET
    return image.region(left, top, CELL_WIDTH - 2 * CELL_INSET, CELL_HEIGHT - 2 * CELL_INSET)


def cell_centre(geometry, menu_bar, row, column):
    left, top, _, _ = geometry
    return (left + FIRST_CELL_LEFT + CELL_PITCH_X * (column - 1) + CELL_WIDTH // 2,
            top + menu_bar + FIRST_CELL_TOP + CELL_PITCH_Y * (row - 1) + CELL_HEIGHT // 2)


def lowest_text_row(image):
    """The middle row of the lowest line of dark text, e.g. a menu's last item."""
    inner_columns = range(3, image.width - 3)
    text_rows = [y for y in range(image.height)
                 if any(sum(image.pixel(x, y)) < 250 for x in inner_columns)]
    if not text_rows:
        return None
    bottom = text_rows[-1]
    top = bottom
    while top - 1 in text_rows:
        top -= 1
    return (top + bottom) // 2


class WindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = XServer()
        cls.server.__enter__()
        cls.addClassCleanup(cls.server.__exit__)

    def setUp(self):
        self.game = Game(os.environ["ZANFIRA"], self.server)
        self.addCleanup(self.stop_game)
        self.window = self.game.wait_for_window("Zanfira")
        self.menu_bar = wait_until(lambda: menu_bar_height(self.server.grab(self.window)),
                                   "painted window")

    def stop_game(self):
        output = self.game.stop()
        if output:
            print(f"\n--- output of the game in {self.id()}:\n{output}")

    def test_opens_centred_at_its_size_below_the_menu_bar(self):
        left, top, width, height = self.server.geometry(self.window)
        self.assertEqual((width, height), (CLIENT_WIDTH, CLIENT_HEIGHT + self.menu_bar))
        # Margins equal, or one pixel apart when the free space is odd.
        right, bottom = self.server.width - left - width, self.server.height - top - height
        self.assertLessEqual(abs(left - right), 1, f"left {left}, right {right}")
        self.assertLessEqual(abs(top - bottom), 1, f"top {top}, bottom {bottom}")

    def test_cannot_be_resized(self):
        hints = self.server.tool("xprop", "-id", self.window, "WM_NORMAL_HINTS")
        size = f"{CLIENT_WIDTH} by {CLIENT_HEIGHT + self.menu_bar}"
        self.assertIn(f"program specified minimum size: {size}", hints)
        self.assertIn(f"program specified maximum size: {size}", hints)

    def test_click_slides_the_tile_into_the_blank(self):
        # At start "tres" holds "04" beside the blank "quatro".
        self.server.tool("xdotool", "mousemove", "0", "0")
        before = self.server.grab(self.window)
        self.server.click(*cell_centre(self.server.geometry(self.window), self.menu_bar, 1, 3))

        def both_cells_changed():
            after = self.server.grab(self.window)
            changed = all(cell_inside(after, self.menu_bar, 1, column) !=
                          cell_inside(before, self.menu_bar, 1, column) for column in (3, 4))
            return after if changed else None

        after = wait_until(both_cells_changed, 'change of cells "tres" and "quatro"')
        self.assertTrue(cell_inside(after, self.menu_bar, 1, 4) ==
                        cell_inside(before, self.menu_bar, 1, 3), '"04" not moved to "quatro"')
        self.assertTrue(cell_inside(after, self.menu_bar, 1, 3) ==
                        cell_inside(before, self.menu_bar, 1, 4), '"tres" not left blank')

    def test_close_box_ends_the_program_with_exit_code_0(self):
        self.server.tool(os.environ["WM_CLOSE"], self.window)
        self.assertEqual(self.game.wait_for_exit(), 0)

    def test_sair_in_the_arquivo_menu_ends_the_program_with_exit_code_0(self):
        left, top, _, _ = self.server.geometry(self.window)
        self.server.click(left + 12, top + self.menu_bar // 2)  # "Arquivo", first in the bar
        menu = wait_until(lambda: [w for w in self.game.windows() if w != self.window],
                          "Arquivo menu")[0]
        menu_left, menu_top, menu_width, _ = self.server.geometry(menu)
        sair = wait_until(lambda: lowest_text_row(self.server.grab(menu)), "painted menu")
        self.server.click(menu_left + menu_width // 2, menu_top + sair)
        self.assertEqual(self.game.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
