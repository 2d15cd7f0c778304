"""The board as screenshots show it: which cell is blank and which rows are painted red."""

import time

from form1 import (CELL_HEIGHT, CELL_INSET, CELL_PITCH_X, CELL_PITCH_Y, CELL_WIDTH,
                   FIRST_CELL_LEFT, FIRST_CELL_TOP)
from xsession import DEADLINE_S, POLL_S

SIDE = 4
FACIL_LAYOUT = ["14", "09", "07", "12",
                "05", "03", "04", "11",
                "15", "", "06", "02",
                "08", "13", "01", "10"]
SOLVED = [f"{tile:02}" for tile in range(1, SIDE * SIDE)] + [""]
RED = (255, 0, 0)


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


def wait_for_look(server, window, menu_bar, board, after):
    """Polls screenshots until they show the board; fails with the last one seen."""
    expected = expected_look(board)
    deadline = time.monotonic() + DEADLINE_S
    while (seen := seen_look(server.grab(window), menu_bar)) != expected:
        if time.monotonic() > deadline:
            raise AssertionError(f"after {after}:\nexpected {describe(expected)}\n"
                                 f"seen     {describe(seen)}")
        time.sleep(POLL_S)
