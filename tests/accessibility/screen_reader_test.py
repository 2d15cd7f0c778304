"""The real game as a screen reader meets it: Xvfb, a private accessibility bus, and the
game read and played through AT-SPI from outside the process, as Orca would."""

import os
import unittest
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

from xsession import Game, XServer, wait_until  # noqa: E402

A11Y_BUS = ("org.a11y.Bus", "/org/a11y/bus")
NAME_CHANGED = "object:property-change:accessible-name"
CHECK_CHANGED = "object:state-changed:checked"

CELLS = ["um", "dois", "tres", "quatro", "cinco", "seis", "sete", "oito",
         "nove", "dez", "onze", "doze", "treze", "quatorze", "quinze", "dezesseis"]
START = ["06", "07", "04", "vazio", "08", "10", "09", "03",
         "01", "02", "05", "12", "11", "14", "15", "13"]


def role_of(node):
    """The node's role, or None once the game has taken the node away (a closed box)."""
    try:
        return node.getRoleName()
    except GLib.GError:
        return None


def place(cell):
    row, column = divmod(CELLS.index(cell), 4)
    return f"linha {row + 1}, coluna {column + 1}"


def session_bus_call(interface, method, arguments, reply_type=None):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    return bus.call_sync(A11Y_BUS[0], A11Y_BUS[1], interface, method, arguments,
                         reply_type, Gio.DBusCallFlags.NONE, -1, None)


def start_accessibility_bus(server):
    """What a desktop does for a screen reader: the accessibility bus, on this display and in
    this session's own runtime directory, with the screen reader flag that Qt looks for."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    environment = {name: server.env()[name] for name in ("DISPLAY", "XDG_RUNTIME_DIR")}
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "UpdateActivationEnvironment", GLib.Variant("(a{ss})", (environment,)),
                  None, Gio.DBusCallFlags.NONE, -1, None)
    session_bus_call("org.freedesktop.DBus.Properties", "Set",
                     GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                            GLib.Variant("b", True))))


def pump_events():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def until(condition, what):
    """Polls condition, delivering accessibility events between the polls."""
    def pumped():
        pump_events()
        return condition()
    return wait_until(pumped, what)


def states(node):
    return {pyatspi.stateToString(state) for state in node.getState().getStates()}


def press(node):
    node.queryAction().doAction(0)


def press_without_waiting(node):
    """Presses without waiting for the reply: Qt answers only once the handler returns, and a
    handler that opens a message box returns when the box is closed."""
    address = session_bus_call("org.a11y.Bus", "GetAddress", None,
                               GLib.VariantType("(s)")).unpack()[0]
    a11y_bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    a11y_bus.call(node.app.bus_name, node.path, "org.a11y.atspi.Action", "DoAction",
                  GLib.Variant("(i)", (0,)), None, Gio.DBusCallFlags.NONE, -1, None, None)
    a11y_bus.flush_sync(None)
    a11y_bus.close_sync(None)


class ScreenReaderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # pyatspi calls Atspi functions that Atspi has deprecated: nothing of ours.
        warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")
        cls.server = XServer()
        cls.server.__enter__()
        cls.addClassCleanup(cls.server.__exit__)
        start_accessibility_bus(cls.server)
        cls.events = []
        pyatspi.Registry.registerEventListener(cls.record, NAME_CHANGED, CHECK_CHANGED)
        cls.addClassCleanup(pyatspi.Registry.deregisterEventListener, cls.record,
                            NAME_CHANGED, CHECK_CHANGED)

    @classmethod
    def record(cls, event):
        role = role_of(event.source)
        if role is not None:
            cls.events.append((event.type, role, event.source.name, event.detail1))

    def setUp(self):
        self.game = Game(os.environ["ZANFIRA"], self.server)
        self.addCleanup(self.stop_game)
        self.app = until(self.find_application, "zanfira on the accessibility bus")
        # A cell is known by its place: the description a screen reader speaks after its name.
        self.cells = {cell: self.find(lambda node, cell=cell: node.description == place(cell))
                      for cell in CELLS}
        pump_events()
        self.events.clear()

    def stop_game(self):
        output = self.game.stop()
        if output:
            print(f"\n--- output of the game in {self.id()}:\n{output}")

    def find_application(self):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "zanfira":
                return application
        return None

    def find(self, predicate, root=None):
        found = pyatspi.findDescendant(root or self.app, predicate)
        self.assertIsNotNone(found)
        return found

    def menu_item(self, name):
        return self.find(lambda node: node.getRoleName() == "menu item" and node.name == name)

    def status_text(self):
        bar = self.find(lambda node: node.getRoleName() == "status bar")
        return self.find(lambda node: node.getRoleName() == "label", bar)

    def message_box(self):
        return next((window for window in self.app
                     if window is not None and role_of(window) in ("alert", "dialog")),
                    None)

    def announced(self, kind, role, name, detail=None):
        return any(event[:3] == (kind, role, name) and detail in (None, event[3])
                   for event in self.events)

    def test_cells_speak_their_tile_or_vazio_and_their_place(self):
        for cell, name in zip(CELLS, START):
            with self.subTest(cell=cell):
                self.assertEqual(self.cells[cell].getRoleName(), "push button")
                self.assertEqual(self.cells[cell].name, name)

    def test_pressing_a_tile_slides_it_and_announces_both_cells(self):
        press(self.cells["tres"])

        until(lambda: self.cells["tres"].name == "vazio", "tres blank")
        self.assertEqual(self.cells["quatro"].name, "04")
        until(lambda: self.announced(NAME_CHANGED, "push button", "vazio"), "tres announced")
        until(lambda: self.announced(NAME_CHANGED, "push button", "04"), "quatro announced")

    def test_status_text_is_read_and_its_changes_announced(self):
        status = self.status_text()
        self.assertEqual(status.name, "Tempo Desligado")

        press(self.menu_item("Ligado"))

        until(lambda: status.name == "60 segundos", "status 60 segundos")
        until(lambda: self.announced(NAME_CHANGED, "label", "60 segundos"), "announcement")

        press(self.menu_item("Desligado"))

        until(lambda: status.name == "Tempo Desligado", "status Tempo Desligado")

    def test_menu_items_show_and_announce_their_check_marks(self):
        checked = {name: "checked" in states(self.menu_item(name))
                   for name in ("Ligado", "Desligado", "Facil", "Medio", "Dificil")}
        self.assertEqual(checked, {"Ligado": False, "Desligado": True, "Facil": True,
                                   "Medio": False, "Dificil": False})

        press(self.menu_item("Medio"))

        until(lambda: "checked" in states(self.menu_item("Medio")), "Medio checked")
        self.assertNotIn("checked", states(self.menu_item("Facil")))
        until(lambda: self.announced(CHECK_CHANGED, "menu item", "Medio", 1), "Medio announced")
        until(lambda: self.announced(CHECK_CHANGED, "menu item", "Facil", 0), "Facil announced")

    def test_message_box_reads_out_its_title_and_text(self):
        press_without_waiting(self.menu_item("About"))

        box = until(self.message_box, "the About box")
        self.assertEqual(box.name, "About Zanfira")
        text = self.find(lambda node: node.getRoleName() == "label" and node.name, box)
        self.assertTrue(text.name.startswith("Zanfira by "), text.name)

        press(self.find(lambda node: node.name == "OK", box))

        until(lambda: self.message_box() is None, "the About box closed")

    def test_sair_ends_the_game_cleanly(self):
        press_without_waiting(self.menu_item("Sair"))

        self.assertEqual(self.game.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
