#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The desktop's side of keeping the screen awake, where it has no headless
form: a screen saver service (org.freedesktop.ScreenSaver) on the session bus
that holds what it is asked to and writes each request to LOG, one a line,
with who asked; like a real one, it ends the inhibitions of a caller that
leaves the bus. It also writes what the desktop portal is asked to inhibit
and to close, as the portal reaches the screen saver through its backend.

    screensaver.py LOG

Each line of the log begins with "> ". org.varizez.Witness.Settle answers
once all that reached the service before it is written.
"""
import sys

import dbus
import dbus.lowlevel
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = 'org.freedesktop.ScreenSaver'


def say(text):
    sys.stdout.write('> ' + text + '\n')
    sys.stdout.flush()


class ScreenSaver(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, '/org/freedesktop/ScreenSaver')
        self.held, self.last = {}, 0  # cookie -> the bus name that holds it
        self.daemon = dbus.Interface(bus.get_object('org.freedesktop.DBus', '/'), 'org.freedesktop.DBus')
        self.daemon.connect_to_signal('NameOwnerChanged', self.owner_changed)

    def who(self, sender):
        """The program behind a bus name: the portal, or the program counting."""
        with open(f'/proc/{self.daemon.GetConnectionUnixProcessID(sender)}/comm') as comm:
            return 'the portal' if comm.read().startswith('xdg-desktop-por') else 'the program'

    @dbus.service.method(NAME, in_signature='ss', out_signature='u', sender_keyword='sender')
    def Inhibit(self, application, reason, sender):
        cookie = self.last = self.last + 1
        self.held[cookie] = sender
        say(f'screensaver: Inhibit by {self.who(sender)} for "{application}", "{reason}": {cookie}')
        return cookie

    @dbus.service.method(NAME, in_signature='u', sender_keyword='sender')
    def UnInhibit(self, cookie, sender):
        self.held.pop(int(cookie), None)
        say(f'screensaver: UnInhibit {cookie} by {self.who(sender)}')

    @dbus.service.method('org.varizez.Witness')
    def Settle(self):
        """Answered once every message that reached the service before is written."""

    def owner_changed(self, name, old, new):
        gone = [cookie for cookie, sender in self.held.items() if sender == name and not new]
        for cookie in gone:
            del self.held[cookie]
        if gone:
            say(f'screensaver: its caller left the bus: {", ".join(map(str, gone))} ended')


def portal_asked(bus, message):
    """What the portal is asked: to inhibit (and what), or to close a request."""
    if not isinstance(message, dbus.lowlevel.MethodCallMessage) or \
            message.get_destination() in (NAME, bus.get_unique_name()):
        return dbus.lowlevel.HANDLER_RESULT_NOT_YET_HANDLED  # the service's own go on to it
    if message.get_member() == 'Inhibit':
        window, flags, options = message.get_args_list()
        what = ' '.join(f for bit, f in ((1, 'logout'), (2, 'user-switch'), (4, 'suspend'), (8, 'idle')) if flags & bit)
        say(f'portal: Inhibit {what} for window "{window}", "{options.get("reason", "")}"')
    elif message.get_member() == 'Close':
        say('portal: Close')
    # Only overheard: answering it would answer the caller in the portal's place.
    return dbus.lowlevel.HANDLER_RESULT_HANDLED


if __name__ == '__main__':
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    sys.stdout = open(sys.argv[1], 'a')
    service = ScreenSaver(bus)
    for interface in ('org.freedesktop.portal.Inhibit', 'org.freedesktop.portal.Request'):
        bus.add_match_string(f"eavesdrop=true,type='method_call',interface='{interface}'")
    bus.add_message_filter(portal_asked)
    name = dbus.service.BusName(NAME, bus)  # held for as long as it is referenced
    GLib.MainLoop().run()
