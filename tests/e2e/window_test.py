"""The real game on a real X server, driven and seen only from outside the process."""

import os
import unittest

from form1 import CLIENT_HEIGHT, CLIENT_WIDTH, cell_centre, cell_inside, choose_sair
from xsession import Game, XServer, menu_bar_height, wait_until

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
        choose_sair(self.server, self.game, self.window, self.menu_bar)
        self.assertEqual(self.game.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
