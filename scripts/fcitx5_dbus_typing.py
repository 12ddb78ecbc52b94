#!/usr/bin/env python3
"""Types key lines into the fcitx5 daemon over DBus, as a program with an input field would,
and prints what fcitx5 sends back: the preedit, the candidate page and committed text.

Run by scripts/fcitx5-try.sh inside a private session bus. Each argument is one line of keys,
separated by blanks, with an input method to switch to first:
    pinyin: n i h a o space
    keypad: KP_1 KP_2 KP_1 KP_0
Key names are X keysym names (a, space, Return, BackSpace, KP_1, KP_Add, equal, minus ...).
"""
import sys
import time

import dbus
import dbus.mainloop.glib
from gi.repository import GLib

SERVICE = "org.fcitx.Fcitx5"
IM_INTERFACE = "org.fcitx.Fcitx.InputMethod1"
IC_INTERFACE = "org.fcitx.Fcitx.InputContext1"
CONTROLLER_INTERFACE = "org.fcitx.Fcitx.Controller1"
CLIENT_SIDE_INPUT_PANEL = 1 << 39

KEYSYMS = {
    "space": 0x20, "Return": 0xff0d, "BackSpace": 0xff08, "Escape": 0xff1b, "Left": 0xff51,
    "Page_Up": 0xff55, "Page_Down": 0xff56, "equal": 0x3d, "minus": 0x2d, "comma": 0x2c,
    "period": 0x2e, "KP_Add": 0xffab, "KP_Subtract": 0xffad, "KP_Multiply": 0xffaa,
    "KP_Divide": 0xffaf, "KP_Decimal": 0xffae, "KP_Enter": 0xff8d,
}
KEYSYMS.update({"KP_%d" % d: 0xffb0 + d for d in range(10)})


def keysym(name):
    if name in KEYSYMS:
        return KEYSYMS[name]
    if len(name) == 1 and " " < name <= "~":
        return ord(name)
    raise SystemExit("unknown key name: " + name)


def pump(seconds=0.05):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.005)


def wait_for_daemon(bus):
    names = bus.get_object("org.freedesktop.DBus", "/org/freedesktop/DBus")
    for _ in range(200):
        if names.NameHasOwner(SERVICE, dbus_interface="org.freedesktop.DBus"):
            return
        time.sleep(0.05)
    raise SystemExit("fcitx5 did not appear on the session bus")


def main(lines):
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    wait_for_daemon(bus)
    im = bus.get_object(SERVICE, "/org/freedesktop/portal/inputmethod")
    path, _uuid = im.CreateInputContext([("program", "dazi-trial")], dbus_interface=IM_INTERFACE)
    ic = dbus.Interface(bus.get_object(SERVICE, path), IC_INTERFACE)
    controller = dbus.Interface(bus.get_object(SERVICE, "/controller"), CONTROLLER_INTERFACE)

    commits = []
    ic.connect_to_signal("CommitString", lambda text: commits.append(str(text)))

    def show_panel(preedit, _cursor, aux_up, aux_down, candidates, *_rest):
        text = "".join(str(t) for t, _ in preedit)
        page = "  ".join("%s%s" % (label, str(word)) for label, word in candidates)
        aux = "".join(str(t) for t, _ in aux_up) + "".join(str(t) for t, _ in aux_down)
        print("    preedit [%s]%s%s" % (text, "  aux " + aux if aux else "",
                                        "\n    page    " + page if page else ""))

    ic.connect_to_signal("UpdateClientSideUI", show_panel)
    ic.SetCapability(dbus.UInt64(CLIENT_SIDE_INPUT_PANEL))
    ic.FocusIn()
    # A line that commits nothing is a result like any other (a preedit left open, say); the
    # run fails only when a method is not there to type with.
    failures = 0
    for line in lines:
        method, _, keys = line.partition(":")
        wanted = "dazi-" + method.strip()
        controller.SetCurrentIM(wanted)
        pump()
        current = controller.CurrentInputMethod()
        print("%s (%s)" % (line, current))
        if current != wanted:
            print("  %s is not available" % wanted)
            failures += 1
            continue
        for name in keys.split():
            taken = ic.ProcessKeyEvent(keysym(name), 0, 0, False, 0)
            ic.ProcessKeyEvent(keysym(name), 0, 0, True, 0)
            pump()
            print("  %-10s %s" % (name, "taken" if taken else "passed on"))
        print("  committed: %s" % (" | ".join(commits) if commits else "(nothing)"))
        commits.clear()
    ic.DestroyIC()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:] or ["pinyin: n i h a o space", "keypad: KP_1 KP_2 KP_1 KP_0"]))
