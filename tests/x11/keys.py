#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""keys.py PROGRAM TABLE: the counting keys on real keyboard layouts.

For each key of a row, the real program starts in this X server (Xvfb
-noreset keeps the layouts setxkbmap sets; no window manager, so nothing but
the program moves the focus) with a phrase counted to 100; Space, Tab, Tab,
Space start counting it; the key is pressed as the keyboard's own keycode
through XTEST, and both windows are closed. The program handles X events in
the order sent, so once it has ended its file holds what the key did; asking
to be minimized is an X message to the root window.
"""
import os, struct, subprocess, sys, time
from Xlib import X, display, protocol
from Xlib.ext import xtest

program, table = sys.argv[1:]
assert 'varizez-test-home' in open('/proc/self/mounts').read(), 'run me through with-private-home.sh'
x = display.Display()
root = x.screen().root
root.change_attributes(event_mask=X.StructureNotifyMask)  # where minimize requests go
data = '/home/tester/.local/share/varizez/varizezCount.bin'


def shown(name):
    for _ in range(300):  # up to 30 s: the suite may load both cores meanwhile
        for w in root.query_tree().children:
            if w.get_wm_name() == name and w.get_attributes().map_state == X.IsViewable:
                w.set_input_focus(X.RevertToParent, X.CurrentTime)
                return w
        time.sleep(0.1)
    sys.exit(f'FAIL: no window {name}')


def press(*keycodes):
    for code, kind in [(c, X.KeyPress) for c in keycodes] + [(c, X.KeyRelease) for c in keycodes[::-1]]:
        xtest.fake_input(x, kind, code)


def play(keys):
    os.makedirs(os.path.dirname(data), exist_ok=True)
    open(data, 'wb').write(struct.pack('>iI', 1, 10) + 'Dhikr'.encode('utf-16-be') + struct.pack('>i', 100))
    running = subprocess.Popen([program], env=dict(os.environ, HOME='/home/tester'))
    windows = [shown('Varizez')]
    for key in 65, 23, 23, 65:
        press(key)
    windows.insert(0, shown('Dialog'))
    press(*[int(k) for k in keys.split('+')])
    for w in windows:
        w.send_event(protocol.event.ClientMessage(window=w, client_type=x.intern_atom('WM_PROTOCOLS'),
                                                  data=(32, [x.intern_atom('WM_DELETE_WINDOW'), 0, 0, 0, 0])))
    x.sync()
    assert running.wait(60) == 0, 'the program did not end with status 0'
    minimized = False
    while x.pending_events():
        minimized |= getattr(x.next_event(), 'client_type', 0) == x.intern_atom('WM_CHANGE_STATE')
    count = struct.unpack('>i', open(data, 'rb').read()[-4:])[0]
    return {101: 'up', 99: 'down'}.get(count, 'minimized' if minimized else 'nothing')


failed = 0
for line in open(table, encoding='utf-8'):
    if not line.startswith('#'):
        layouts, keys, expected = (field.strip() for field in line.split('|'))
        subprocess.run(['setxkbmap', '-layout', layouts, '-option', '', '-option', 'grp:menu_toggle'], check=True)
        seen = ' '.join(play(key) for key in keys.split())
        failed += seen != expected
        print(f'{"PASS" if seen == expected else "FAIL"}: {layouts} | {keys} | {seen}')
sys.exit(failed and 1)
