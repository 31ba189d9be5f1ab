#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The counting dialog's keys on real keyboard layouts.

  keys.py PROGRAM TABLE

Each row of the table starts the real program in this X server (Xvfb
-noreset, so that the layout holds; no window manager, so that nothing but the
program moves the focus) with a phrase counted to 100, sets the row's layouts
with setxkbmap (Menu switches them), opens the counting dialog by keyboard,
presses the row's keys as the keyboard's own keycodes through XTEST, and
closes both windows. Every X event is handled in the order sent, so when the
program has ended its file holds what the keys did; a minimize request is an
X message to the root window. A row: name | layouts | keycodes, "+" between
keys held together | up, down, minimized or nothing.
"""
import os, struct, subprocess, sys, time
from Xlib import X, display, protocol
from Xlib.ext import xtest

program, table = sys.argv[1:]
assert 'varizez-test-home' in open('/proc/self/mounts').read(), 'run me through with-private-home.sh'
x = display.Display()
root = x.screen().root
root.change_attributes(event_mask=X.StructureNotifyMask)  # the minimize requests
atom = x.intern_atom
data = '/home/tester/.local/share/varizez/varizezCount.bin'


def until(condition):  # waits up to 30 s: the suite may load both cores meanwhile
    for _ in range(300):
        if found := condition():
            return found
        time.sleep(0.1)
    sys.exit(f'FAIL: no {condition.__doc__}')


def shown(name):
    return next((w for w in root.query_tree().children
                 if w.get_wm_name() == name and w.get_attributes().map_state == X.IsViewable), None)


def press(*keycodes):
    for code, kind in [(c, X.KeyPress) for c in keycodes] + [(c, X.KeyRelease) for c in keycodes[::-1]]:
        xtest.fake_input(x, kind, code)
    x.sync()


def play(layouts, keys):
    subprocess.run(['setxkbmap', '-layout', layouts, '-option', '', '-option', 'grp:menu_toggle'], check=True)
    os.makedirs(os.path.dirname(data), exist_ok=True)
    name = 'Dhikr'.encode('utf-16-be')
    open(data, 'wb').write(struct.pack('>iI', 1, len(name)) + name + struct.pack('>i', 100))
    running = subprocess.Popen([program], env=dict(os.environ, HOME='/home/tester'))
    windows = [until(lambda: shown('Varizez') or None)]
    windows[0].set_input_focus(X.RevertToParent, X.CurrentTime)
    for key in 65, 23, 23, 65:  # Space on the list chooses the phrase, Tab Tab Space is Start
        press(key)
    windows.insert(0, until(lambda: shown('Dialog')))
    windows[0].set_input_focus(X.RevertToParent, X.CurrentTime)
    press(*[int(k) for k in keys.split('+')])
    for w in windows:
        w.send_event(protocol.event.ClientMessage(window=w, client_type=atom('WM_PROTOCOLS'),
                                                  data=(32, [atom('WM_DELETE_WINDOW'), 0, 0, 0, 0])))
    x.sync()
    assert running.wait(60) == 0, 'the program did not end with status 0'
    minimized = False
    while x.pending_events():
        e = x.next_event()
        minimized |= e.type == X.ClientMessage and e.client_type == atom('WM_CHANGE_STATE')
    count = struct.unpack('>i', open(data, 'rb').read()[-4:])[0]
    return {101: 'up', 99: 'down'}.get(count, 'minimized' if minimized else 'nothing')


failed = 0
for line in open(table, encoding='utf-8'):
    if line.strip() and not line.startswith('#'):
        name, layouts, keys, expected = (field.strip() for field in line.split('|'))
        seen = play(layouts, keys)
        failed += seen != expected
        print(f'{"PASS" if seen == expected else "FAIL"}: {name} | {layouts} | {keys} | {seen}')
sys.exit(failed and 1)
