#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""two-devices.py PLAYER: devices a and b share their counts through a folder that two real
Syncthing daemons keep in step. Both count while the engine is paused (b with its clock a day
ahead); once it runs again, both show every count. Run it in with-private-home.sh: it runs
itself again in network and process namespaces of its own, where only the loopback is up, so
nothing leaves this machine and no daemon outlives it.
"""
import copy, json, os, re, shutil, subprocess, sys, tempfile, time, urllib.request
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # no __pycache__ among the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from rows import libfaketime, play

KEY, FOLDER, BIN = 'varizez-two-devices', 'varizez', '/.local/share/varizez/varizezCount.bin'
ENV = dict(os.environ, STNOUPGRADE='1', STNODEFAULTFOLDER='1')
START, EXPECTED = 'X 40 | W 2 | R 40 | G 7 | H 7', 'X 55 | W 1 | R 5 | H 5 | V 7 | Y 3'
STEP = lambda row, *keys: [f'click {row}', 'press btnStart', *keys, 'press btnBack']
# Rows move as phrases come and go: a adds V, then Y, then removes G and H.
ON_A = [*STEP(0, 'key L*10'), *STEP(1, 'key A*2'), *STEP(2, 'press btnReset'), 'press btnAdd V',
        *STEP(5, 'key L*3'), 'press btnAdd Y', *STEP(6, 'key L*3'), 'click 3', 'press btnRemove',
        'click 3', 'press btnRemove']
ON_B = [*STEP(0, 'key L*5'), *STEP(1, 'key L'), *STEP(2, 'key L*5'), *STEP(4, 'key L*5'),
        'press btnAdd V', *STEP(5, 'key L*4')]


def rest(daemon, path, method='GET'):
    request = urllib.request.Request(f'http://127.0.0.1:{daemon["gui"]}/rest/{path}', method=method,
                                     data=b'' if method == 'POST' else None, headers={'X-API-Key': KEY})
    with urllib.request.urlopen(request, timeout=60) as reply:
        body = reply.read()
    return json.loads(body) if body.strip() else None


def wait(what, ready, timeout=120):
    end = time.monotonic() + timeout
    while True:
        try:
            if ready():
                return
        except OSError:  # a daemon not listening yet
            pass
        assert time.monotonic() < end, f'waited {timeout} s in vain for {what}'
        time.sleep(0.5)


def start(me, peer):
    """The daemon's config, written before its first start: its peer at 127.0.0.1, one folder,
    and no discovery, relays, NAT traversal, reports or upgrades."""
    tree = ET.parse(me['home'] + '/config.xml')
    root = tree.getroot()
    for name, value in {'listenAddress': f'tcp://127.0.0.1:{me["port"]}', 'globalAnnounceEnabled': 'false',
                        'localAnnounceEnabled': 'false', 'relaysEnabled': 'false', 'natEnabled': 'false',
                        'urAccepted': '-1', 'crashReportingEnabled': 'false', 'autoUpgradeIntervalH': '0',
                        'startBrowser': 'false', 'announceLANAddresses': 'false', 'stunKeepaliveStartS': '0',
                        'reconnectionIntervalS': '1'}.items():
        root.find(f'options/{name}').text = value
    root.find('gui/address').text, root.find('gui/apikey').text = f'127.0.0.1:{me["gui"]}', KEY
    ET.SubElement(ET.SubElement(root, 'device', id=peer['id'], name=peer['name']),
                  'address').text = f'tcp://127.0.0.1:{peer["port"]}'
    folder = copy.deepcopy(root.find('defaults/folder'))
    folder.attrib.update(id=FOLDER, label='Varizez', path=me['sync'], fsWatcherDelayS='1')
    ET.SubElement(folder, 'device', id=peer['id'])
    root.append(folder)
    tree.write(me['home'] + '/config.xml')
    os.makedirs(me['sync'], 0o700)
    me['process'] = subprocess.Popen(['syncthing', 'serve', f'--home={me["home"]}', '--no-browser', '--no-restart'],
                                     env=ENV, stdout=open(me['home'] + '/log', 'w'), stderr=subprocess.STDOUT)
    wait(f'{me["name"]} to answer', lambda: rest(me, 'system/status')['myID'] == me['id'])


def shared():
    """The device files in each folder, by name, with their bytes."""
    return [{name: open(f'{folder}/{name}', 'rb').read() for name in os.listdir(folder)
             if re.fullmatch(r'varizez-[0-9a-f]{12}\.counts', name)} for folder in ('/home/a/Sync', '/home/b/Sync')]


def in_step(daemons, files, what, besides={}):
    """Waits till both folders hold these many device files, the same on both, none as in besides.
    A scan first, so that what a program just wrote is on its way."""
    for me in daemons:
        rest(me, f'db/scan?folder={FOLDER}', 'POST')
    same = lambda a, b: a == b and len(a) == files and all(a[name] != old for name, old in besides.items())
    wait(what, lambda: same(*shared()))


def device(player, name, steps, clock=None):
    """Plays the steps on that device, and prints and returns what the player saw."""
    seen = play(player, [f'device {name}'] + steps, clock)
    assert 'failed:' not in seen, seen
    return print(seen, end='') or seen


def daemon(top, name, port, gui):
    """A daemon's home, with its key and config; it is not started."""
    me = {'name': f'st-{name}', 'home': f'{top}/st-{name}', 'sync': f'/home/{name}/Sync', 'port': port, 'gui': gui}
    subprocess.run(['syncthing', 'generate', f'--home={me["home"]}'], env=ENV, check=True, capture_output=True)
    return dict(me, id=ET.parse(me['home'] + '/config.xml').find('device').get('id'))


def engine(pairs, what):
    """Pauses or resumes the engine: each daemon its peer."""
    for me, peer in pairs:
        rest(me, f'system/{what}?device={peer["id"]}', 'POST')
    print(f'{what}d')


def main(player, top):
    a, b = daemon(top, 'a', 22001, 8385), daemon(top, 'b', 22002, 8386)
    pairs = (a, b), (b, a)
    try:
        for me, peer in pairs:
            start(me, peer)
            print(f'Syncthing {me["name"]}: device {me["id"]}, folder {me["sync"]}')
        sockets = [line.split()[1] for table in ('tcp', 'tcp6', 'udp', 'udp6')
                   for line in open(f'/proc/net/{table}').readlines()[1:]]
        assert sockets and all(s.split(':')[0] in ('0100007F', '0' * 24 + '01000000') for s in sockets), \
            f'a socket off the loopback: {sockets}'
        print('sockets, all on the loopback (as /proc/net shows them, in hex):', *sockets)
        device(player, 'a', [f'put /home/a{BIN} {START}', 'run sync /home/a/Sync'])
        in_step((a, b), 1, "a's device file on b")
        device(player, 'b', [f'put /home/b{BIN} {START}', 'run sync /home/b/Sync'])
        in_step((a, b), 2, "b's device file on a")
        engine(pairs, 'pause')
        wait('the daemons to part', lambda: not any(
            rest(me, 'system/connections')['connections'][peer['id']]['connected'] for me, peer in pairs))
        before = shared()[0]
        device(player, 'a', ['open', *ON_A, 'counts', 'close'])
        device(player, 'b', ['open', *ON_B, 'counts', 'close'], '+1d')
        seen_a, seen_b = shared()
        assert seen_a.keys() == seen_b.keys() == before.keys() and all(  # each changed on its own side only
            (seen_a[n] == before[n]) != (seen_b[n] == before[n]) for n in before), 'a count crossed while paused'
        engine(pairs, 'resume')
        in_step((a, b), 2, 'both device files, as counted while paused, on both sides', before)
        shown = []
        for name in 'ab':  # what a's start writes reaches b before b starts
            seen = device(player, name, ['open', 'counts', 'close', 'run sync'])
            shown += re.findall(r'^counts -> .*counts: (.*)$', seen, re.M)
            in_step((a, b), 2, f'the device files in step after {name} started')
        conflicts = [n for me in (a, b) for n in os.listdir(me['sync']) if '.sync-conflict-' in n]
        assert not conflicts, f'a device wrote a file another one writes: {conflicts}'
        assert shown == [EXPECTED] * 2, f'both should show {EXPECTED}; a shows {shown[0]}; b shows {shown[1]}'
        print(f'both show {EXPECTED}')
    except BaseException:
        for me in (d for d in (a, b) if 'process' in d):
            print(f'--- {me["name"]} log, last lines:\n' + ''.join(open(me['home'] + '/log').readlines()[-15:]))
        raise
    finally:
        for me in (d for d in (a, b) if 'process' in d):
            me['process'].terminate(), me['process'].wait(60)
    return 0


if __name__ == '__main__':
    if os.environ.get('VARIZEZ_NAMESPACES') != 'private':
        missing = [tool for tool in ('unshare', 'ip', 'syncthing') if not shutil.which(tool)]
        missing += [] if libfaketime() else ['libfaketime']
        if missing:
            sys.exit(print(f'SKIP: {", ".join(missing)} missing') or 77)
        namespaces = ['unshare', '--net', '--pid', '--fork', '--mount-proc']
        if subprocess.run(namespaces + ['true']).returncode:
            sys.exit(print('SKIP: cannot make private network and process namespaces (run as root)') or 77)
        os.environ['VARIZEZ_NAMESPACES'] = 'private'  # --kill-child: all in them dies with this process
        os.execvp('unshare', namespaces + ['--kill-child', sys.executable, os.path.abspath(__file__), *sys.argv[1:]])
    subprocess.run(['ip', 'link', 'set', 'lo', 'up'], check=True)
    with tempfile.TemporaryDirectory(dir=os.environ.get('XDG_RUNTIME_DIR')) as top:  # the player shows all in /home
        sys.exit(main(sys.argv[1], top))
