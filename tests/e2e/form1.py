"""Where Form1's controls are on the screen, and the menu path to Sair, seen from outside."""

from xsession import wait_until

CLIENT_WIDTH, CLIENT_HEIGHT = 199, 251
# Frame1 at 24, 24 in the client area; in it the cells from 8, 16 on a 32 × 24 pitch.
FIRST_CELL_LEFT, FIRST_CELL_TOP = 32, 40
CELL_PITCH_X, CELL_PITCH_Y = 32, 24
CELL_WIDTH, CELL_HEIGHT = 33, 25
# Inside the borders that focus and the one-pixel overlaps draw on.
CELL_INSET = 3
# Command1, "Embaralhar", below Frame1.
EMBARALHAR_LEFT, EMBARALHAR_TOP, EMBARALHAR_WIDTH, EMBARALHAR_HEIGHT = 24, 168, 145, 25


def cell_inside(image, menu_bar, row, column):
    left = FIRST_CELL_LEFT + CELL_PITCH_X * (column - 1) + CELL_INSET
    top = menu_bar + FIRST_CELL_TOP + CELL_PITCH_Y * (row - 1) + CELL_INSET
    return image.region(left, top, CELL_WIDTH - 2 * CELL_INSET, CELL_HEIGHT - 2 * CELL_INSET)


def cell_centre(geometry, menu_bar, row, column):
    left, top, _, _ = geometry
    return (left + FIRST_CELL_LEFT + CELL_PITCH_X * (column - 1) + CELL_WIDTH // 2,
            top + menu_bar + FIRST_CELL_TOP + CELL_PITCH_Y * (row - 1) + CELL_HEIGHT // 2)


def embaralhar_centre(geometry, menu_bar):
    left, top, _, _ = geometry
    return (left + EMBARALHAR_LEFT + EMBARALHAR_WIDTH // 2,
            top + menu_bar + EMBARALHAR_TOP + EMBARALHAR_HEIGHT // 2)


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


def choose_sair(server, game, window, menu_bar):
    """Arquivo › Sair with the mouse: Sair is the menu's last item."""
    left, top, _, _ = server.geometry(window)
    server.click(left + 12, top + menu_bar // 2)  # "Arquivo", first in the bar
    menu = wait_until(lambda: [w for w in game.windows() if w != window], "Arquivo menu")[0]
    sair = wait_until(lambda: lowest_text_row(server.grab(menu)), "painted menu")
    # Read once painted: a slow program may place the menu after mapping it.
    menu_left, menu_top, menu_width, _ = server.geometry(menu)
    server.click(menu_left + menu_width // 2, menu_top + sair)
