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

Each line of the log begins with "> ". org.varizez.Witness.Settle, at
/witness, answers once all that reached the service before it is written.
"""
import sys

import dbus
import dbus.lowlevel
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = 'org.freedesktop.ScreenSaver'


class ScreenSaver(dbus.service.Object):
    held, next = {}, 1  # cookie -> the bus name that holds it, at both paths

    def __init__(self, bus, path, log):
        super().__init__(bus, path)
        self.bus, self.log = bus, log

    def who(self, sender):
        """The program behind a bus name: the portal, or the program counting."""
        pid = self.bus.get_unix_process_id(sender) if hasattr(self.bus, 'get_unix_process_id') else \
            dbus.Interface(self.bus.get_object('org.freedesktop.DBus', '/org/freedesktop/DBus'),
                           'org.freedesktop.DBus').GetConnectionUnixProcessID(sender)
        with open(f'/proc/{pid}/comm') as comm:
            return 'the portal' if comm.read().startswith('xdg-desktop-por') else 'the program'

    def say(self, text):
        self.log.write('> ' + text + '\n')
        self.log.flush()

    @dbus.service.method(NAME, in_signature='ss', out_signature='u', sender_keyword='sender')
    def Inhibit(self, application, reason, sender):
        cookie = ScreenSaver.next
        ScreenSaver.next += 1
        ScreenSaver.held[cookie] = sender
        self.say(f'screensaver: Inhibit by {self.who(sender)} for "{application}", "{reason}": {cookie}')
        return cookie

    @dbus.service.method(NAME, in_signature='u', sender_keyword='sender')
    def UnInhibit(self, cookie, sender):
        known = ScreenSaver.held.pop(int(cookie), None) == sender
        self.say(f'screensaver: UnInhibit {cookie} by {self.who(sender)}' + ('' if known else ', not held'))

    def owner_changed(self, name, old, new):
        gone = [cookie for cookie, sender in ScreenSaver.held.items() if sender == name and not new]
        for cookie in gone:
            del ScreenSaver.held[cookie]
        if gone:
            self.say(f'screensaver: its caller left the bus: {", ".join(map(str, gone))} ended')


def portal_asked(bus, message):
    """What the portal is asked: to inhibit (and what), or to close a request."""
    if message.get_destination() in (NAME, bus.get_unique_name()):
        return dbus.lowlevel.HANDLER_RESULT_NOT_YET_HANDLED  # the service's own calls go on to it
    if message.get_interface() == 'org.freedesktop.portal.Inhibit' and message.get_member() == 'Inhibit':
        window, flags, options = message.get_args_list()
        what = ' '.join(f for bit, f in ((1, 'logout'), (2, 'user-switch'), (4, 'suspend'), (8, 'idle'))
                        if flags & bit)
        sys.stdout.write(f'> portal: Inhibit {what} for window "{window}", "{options.get("reason", "")}"\n')
    elif message.get_interface() == 'org.freedesktop.portal.Request' and message.get_member() == 'Close':
        sys.stdout.write('> portal: Close\n')
    sys.stdout.flush()
    # Only overheard: answering it would answer the caller in the portal's place.
    return dbus.lowlevel.HANDLER_RESULT_HANDLED


class Witness(dbus.service.Object):
    """Answers once every message that reached this service before has been written."""
    @dbus.service.method('org.varizez.Witness')
    def Settle(self):
        pass


if __name__ == '__main__':
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    sys.stdout = open(sys.argv[1], 'a')
    services = [ScreenSaver(bus, path, sys.stdout) for path in ('/org/freedesktop/ScreenSaver', '/ScreenSaver')]
    bus.add_signal_receiver(services[0].owner_changed, 'NameOwnerChanged', 'org.freedesktop.DBus')
    witness = Witness(bus, '/witness')
    for interface in ('org.freedesktop.portal.Inhibit', 'org.freedesktop.portal.Request'):
        bus.add_match_string(f"eavesdrop=true,type='method_call',interface='{interface}'")
    bus.add_message_filter(portal_asked)
    name = dbus.service.BusName(NAME, bus)  # held for as long as it is referenced
    GLib.MainLoop().run()
