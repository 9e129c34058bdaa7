#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A stand-in for the desktop portal's Screenshot and GlobalShortcuts, for the tests of the
portal client on a private session bus. The test steers it through org.tintmere.PortalStandIn:
SetScenario(name, uri) chooses how the next requests are answered, Activate(id) and
Rebind(trigger) send the signals a desktop sends when the user presses or rebinds a shortcut.

Scenarios: "fresh" answers with a new copy of the file at uri (as a portal writes one per
request), "as-is" answers with uri itself, "insist-on-dialog" fails without a dialog and answers
like "fresh" with one, "cancel" and "fail" answer 1 and 2, "silent" never answers,
"bad-color" picks an impossible colour, "no-interface" has no such methods nor their version
property, "absent" gives up
the portal's name altogether."""

import itertools
import os
import shutil
import sys
from urllib.parse import unquote, urlparse

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PORTAL = "org.freedesktop.portal.Desktop"
PORTAL_PATH = "/org/freedesktop/portal/desktop"
CONTROL = "org.tintmere.PortalStandIn"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
SCREENSHOT = "org.freedesktop.portal.Screenshot"


class Request(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Request")
    def Close(self):
        self.remove_from_connection()

    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Session")
    def Close(self):
        self.remove_from_connection()


def unknown_method():
    return dbus.exceptions.DBusException(
        "no such method", name="org.freedesktop.DBus.Error.UnknownMethod")


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PORTAL_PATH)
        self.bus = bus
        self.scenario = "fresh"
        self.uri = ""
        self.copies = itertools.count(1)
        self.sessions = {}

    def path(self, kind, sender, token):
        return "/org/freedesktop/portal/desktop/%s/%s/%s" % (
            kind, sender[1:].replace(".", "_"), token)

    def answer(self, sender, options, response, results=None):
        path = self.path("request", sender, options.get("handle_token", "standin"))
        request = Request(self.bus, path)
        if response is not None:
            def send():
                request.Response(dbus.UInt32(response), dbus.Dictionary(results or {}, signature="sv"))
                request.remove_from_connection()
                return False
            GLib.timeout_add(10, send)
        return dbus.ObjectPath(path)

    def fresh_copy(self):
        source = unquote(urlparse(self.uri).path)
        copy = "%s-%d%s" % (os.path.splitext(source)[0], next(self.copies), os.path.splitext(source)[1])
        shutil.copyfile(source, copy)
        return "file://" + copy

    def common(self, sender, options, interactive=True):
        if self.scenario == "no-interface":
            raise unknown_method()
        if self.scenario == "silent":
            return self.answer(sender, options, None)
        if self.scenario == "cancel":
            return self.answer(sender, options, 1)
        if self.scenario == "fail" or (self.scenario == "insist-on-dialog" and not interactive):
            return self.answer(sender, options, 2)
        return None

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if self.scenario == "no-interface" or name != "version":
            raise dbus.exceptions.DBusException(
                "no such interface", name="org.freedesktop.DBus.Error.InvalidArgs")
        return dbus.UInt32(1 if interface == SHORTCUTS else 2)

    @dbus.service.method(SCREENSHOT, in_signature="sa{sv}", out_signature="o", sender_keyword="sender")
    def Screenshot(self, parent, options, sender):
        handle = self.common(sender, options, bool(options.get("interactive", False)))
        if handle:
            return handle
        uri = self.uri if self.scenario == "as-is" else self.fresh_copy()
        return self.answer(sender, options, 0, {"uri": uri})

    @dbus.service.method(SCREENSHOT, in_signature="sa{sv}", out_signature="o", sender_keyword="sender")
    def PickColor(self, parent, options, sender):
        handle = self.common(sender, options)
        if handle:
            return handle
        rgb = (1.5, 0.0, 0.0) if self.scenario == "bad-color" else (42 / 255, 157 / 255, 143 / 255)
        color = dbus.Struct([dbus.Double(c) for c in rgb], signature="ddd")
        return self.answer(sender, options, 0, {"color": color})

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender):
        handle = self.common(sender, options)
        if handle:
            return handle
        session = self.path("session", sender, options["session_handle_token"])
        self.sessions[session] = Session(self.bus, session)
        return self.answer(sender, options, 0, {"session_handle": session})

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender):
        bound = [(sid, {"description": props["description"],
                        "trigger_description": props.get("preferred_trigger", "")})
                 for sid, props in shortcuts]
        self.bound = bound
        return self.answer(sender, options, 0, {"shortcuts": self.shortcut_list()})

    def shortcut_list(self):
        return dbus.Array([dbus.Struct((sid, dbus.Dictionary(props, signature="sv")))
                           for sid, props in self.bound], signature="(sa{sv})")

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.signal(SHORTCUTS, signature="oa(sa{sv})")
    def ShortcutsChanged(self, session, shortcuts):
        pass


class Control(dbus.service.Object):
    def __init__(self, bus, portal):
        super().__init__(bus, "/")
        self.bus = bus
        self.portal = portal

    @dbus.service.method(CONTROL, in_signature="ss")
    def SetScenario(self, scenario, uri):
        self.portal.scenario = str(scenario)
        self.portal.uri = str(uri)
        if scenario == "absent":
            self.bus.release_name(PORTAL)
        else:
            self.bus.request_name(PORTAL)

    @dbus.service.method(CONTROL, in_signature="s")
    def Activate(self, shortcut_id):
        for session in self.portal.sessions:
            self.portal.Activated(dbus.ObjectPath(session), shortcut_id, dbus.UInt64(0),
                                  dbus.Dictionary({}, signature="sv"))

    @dbus.service.method(CONTROL, in_signature="s")
    def Rebind(self, trigger):
        self.portal.bound = [(sid, dict(props, trigger_description=trigger))
                             for sid, props in self.portal.bound]
        for session in self.portal.sessions:
            self.portal.ShortcutsChanged(dbus.ObjectPath(session), self.portal.shortcut_list())


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus)
    control = Control(bus, portal)
    bus.request_name(PORTAL)
    # Last: the test waits for this name before it starts.
    bus.request_name(CONTROL)
    loop = GLib.MainLoop()
    # The bus going away ends the stand-in with it.
    bus.call_on_disconnection(lambda _: loop.quit())
    loop.run()
    del control
    return 0


if __name__ == "__main__":
    sys.exit(main())
