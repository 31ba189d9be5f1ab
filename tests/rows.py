#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the cases that live in text files against the real programs.

  rows.py script PLAYER SCRIPT      an action script (actions/README); with
                                    VARIZEZ_REWRITE=1 it is rewritten with what was seen
  rows.py row PLAYER TABLE NAME     a row "name | set-up steps | steps | changes"
  rows.py cut N PLAYER              kills the program and cuts the power under it,
                                    N times while it counts
The player is tst_actions; it must run in a private /home (with-private-home.sh).
"""
import csv, difflib, glob, io, os, random, re, subprocess, sys, tempfile, time


def libfaketime():
    """Debian's libfaketime, or None. It is preloaded without the faketime wrapper, whose
    semaphore in /dev/shm outlives a killed run and refuses a later run of the same pid."""
    return next(iter(glob.glob('/usr/lib/*/faketime/libfaketime.so.1')), None)


def clock_off(env, clock):
    """env with its clock that far off ("+1d"), checked: a clock that stayed right would make a
    run under it prove nothing."""
    env = dict(env, LD_PRELOAD=libfaketime(), FAKETIME=clock)
    shown = subprocess.run(['date', '+%s'], env=env, capture_output=True, text=True, check=True).stdout
    assert abs(int(shown) - time.time()) > 60, f'the clock is not {clock} off'
    return env


def play(player, steps, clock=None):
    """The transcript of the steps: each step with what it changed, "STEP -> CHANGES". With a
    clock, the player runs with its clock that far off."""
    run = subprocess.run([player], input='\n'.join(steps) + '\n', stdout=subprocess.PIPE, text=True, timeout=600,
                         env=clock_off(os.environ, clock) if clock else None)
    assert run.returncode == 0, f'the player ended with {run.returncode}'
    return run.stdout


def check(expected, seen, name, rewrite):
    """Shows how seen differs from expected; with VARIZEZ_REWRITE=1, writes seen instead."""
    if os.environ.get('VARIZEZ_REWRITE') and seen != expected:
        return rewrite() and print(f'rewrote {name}: review its diff') or 0
    sys.stdout.writelines(difflib.unified_diff(expected.splitlines(True), seen.splitlines(True), name, 'seen'))
    return int(seen != expected)


def script(player, path):
    expected = open(path, encoding='utf-8').read()
    seen = play(player, [l.split(' -> ')[0] for l in expected.rstrip('\n').split('\n') if not l.startswith('  ')])
    return check(expected, seen, path, lambda: open(path, 'w', encoding='utf-8').write(seen))


def row(player, table, name):
    """Plays the set-up steps, then the steps, and compares the steps' changes, ";" between them.
    A line "@NAME = TEXT" names data that rows use as @NAME."""
    lines = open(table, encoding='utf-8').read().split('\n')
    named = dict(l[1:].split(' = ', 1) for l in lines if l.startswith('@'))
    line = next(l for l in lines if l.split('|')[0].strip() == name)
    _, set_up, steps, expected = re.sub(r'@(\w+)', lambda m: named[m[1]], line).split('|', 3)
    for step in (s.split() + [''] for s in set_up.split(';')):  # "durablefs DIR": mounted here
        if step[0] == 'durablefs' and not durable(step[1]):
            return print('SKIP: no /dev/fuse') or 77
    seen = play(player, [s.strip() for s in set_up.split(';')] + ['# steps'] + [s.strip() for s in steps.split(';')])
    # A world that was not made as the row says proves nothing of the steps.
    unmade = [l for l in seen.split('# steps\n')[0].splitlines() if 'failed: ' in l]
    if unmade:
        return print('the set-up failed:', *unmade, sep='\n') or 1
    changes = '; '.join(l.split(' -> ', 1)[1] for l in seen.split('# steps\n')[-1].splitlines() if ' -> ' in l)
    lines[lines.index(line)] = line[:len(line) - len(expected)] + ' ' + changes
    return check(expected.strip() + '\n', changes + '\n', name,
                 lambda: open(table, 'w', encoding='utf-8').write('\n'.join(lines)))


def exported(path):
    """The rows of a whole phrase file as the backup tool exports them (a phrase, its count,
    and its target when any phrase has one); raises on damage."""
    run = subprocess.run([os.environ['VARIZEZ_FILE'], 'export', path], capture_output=True, text=True)
    assert run.returncode == 0, run.stderr
    return list(csv.reader(run.stdout.splitlines()[1:]))


def records_of(path):
    return [(row[0], int(row[1])) for row in exported(path)]


def days_of(env):
    """(date, phrase) -> what was said, as varizez-file history prints it in that environment,
    for the program's own file there; raises on damage."""
    run = subprocess.run([os.environ['VARIZEZ_FILE'], 'history'], capture_output=True, text=True, env=env)
    assert run.returncode == 0, run.stderr
    return {(day, text): int(n) for day, text, n in list(csv.reader(io.StringIO(run.stdout, newline='')))[1:]}


def targets_of(path):
    """Each phrase's target, of those that have one."""
    return {row[0]: int(row[2]) for row in exported(path) if len(row) > 2 and row[2]}


def durable(folder):
    """Mounts the power-cut file system at folder for as long as this process runs; returns it."""
    if not os.path.exists('/dev/fuse'):
        return False
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), 'powercut'))
    import durablefs
    fs = durablefs.DurableFS()
    os.makedirs(folder)
    return durablefs.mount(fs, folder) and fs


def cut(times, player, shared=''):
    """Kills the program at random moments while it counts, on a file system
    that keeps only what was synced, and checks the file both as the next
    start finds it and after a power cut at that moment: it must be whole and
    never behind a count whose save had returned, and the next start shows
    it. "shared": the program shares its counts through a folder with device
    b, which now and then starts and must show every count shown; the
    device's own file holds them, so after a power cut the phrase file may
    be behind, and the next start must show them all the same. Each time,
    the days hold the counts that reached the disk, each on its day: alone,
    exactly the file's; shared, those of the device's own file. The seed is
    printed."""
    seed = int(os.environ.get('VARIZEZ_SEED', time.time_ns() % 100000))
    print(f'seed {seed} (VARIZEZ_SEED={seed} replays it)')
    rng, records, saved = random.Random(seed), [('AllahuAkbar', 0), ('SubhannAllah', 0)], bool(shared)
    last = 0  # the last count shown, which every later start shows at least
    fs, home = durable('/home/cut'), {'a': '/home/cut', 'b': '/home/cut/b'}
    if not fs:
        return print('SKIP: no /dev/fuse') or 77
    folder, on = home['a'] + '/varizez', lambda device: [f'env XDG_DATA_HOME {home[device]}']
    for device in ('ab' if shared else ''):  # both begin with one list, shared, for good
        assert 'status: 0' in play(player, on(device) + [
            f'put {home[device]}/varizez/varizezCount.bin AllahuAkbar 0 | SubhannAllah 0', 'run sync /home/cut/share'])
        for made in (home[device], home[device] + '/varizez', '/home/cut'):
            made = os.open(made, os.O_RDONLY | os.O_DIRECTORY)
            os.fsync(made), os.close(made)
    steps = tempfile.TemporaryFile('w+')  # the start, then L pressed more often than it can be
    steps.write('\n'.join(on('a')) + '\nopen\nclick 0\npress btnStart\n' + 'key L\n' * 100000)
    for k in range(int(times)):
        steps.seek(0)
        program = subprocess.Popen([player], stdin=steps, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, text=True)
        out, counting = '', rng.randrange(4)  # mostly while counting, else at any moment of the start
        while counting and 'key L' not in out and program.poll() is None:
            out += program.stdout.readline()
        time.sleep(rng.uniform(0.001, 0.015) if out else rng.uniform(0, 0.3))
        program.kill()
        out += program.stdout.read()
        program.wait()
        shown = [int(m[1]) for m in re.finditer(r'^key L -> .*dialog: \w+ (\d+)', out, re.M)]
        start = [int(m[1]) for m in re.finditer(r'^press btnStart -> .*dialog: \w+ (\d+)', out, re.M)]
        # Shared, a start may show one more than was shown: its own file was one save ahead.
        least = last if shared else records[0][1]
        assert all(least <= n <= least + 1 for n in start), \
            f'{k}: the start showed {start} of a file that held {records[0][1]}, after {last} was shown'
        floor = shown[-1] if shown else start[-1] if start else least
        last = floor
        saved = saved or bool(shown)
        if shared and k % 20 == 19:  # what a showed has reached b, through the folder
            b = re.findall(r'^press btnStart -> .*dialog: \w+ (\d+)', play(player, on('b') + [
                'open', 'click 0', 'press btnStart']), re.M)
            assert b and int(b[0]) >= floor, f'{k}: b shows {b} after a showed {floor}'
        for moment in ('killed', 'cut'):  # a kill before the new file is renamed into place
            if moment == 'cut':           # leaves it under its temporary name; the next save removes it
                fs.cut()
            names = os.listdir(folder) if os.path.isdir(folder) else []
            assert 'varizezCount.bin' in names or not saved, f'{moment} {k}: the file is gone after {floor} was shown'
            now = records_of(folder + '/varizezCount.bin') if saved else records
            behind = bool(shared)  # after a cut, until a save writes it again: the record holds it
            assert now[1:] == records[1:] and (behind or floor <= now[0][1]) and now[0][1] <= floor + 1, \
                f'{moment} {k}: the file holds {now[0]} after the program showed {floor}'
            said = sum(n for (_, text), n in days_of(dict(os.environ, XDG_DATA_HOME=home['a'])).items()
                       if text == 'AllahuAkbar')
            # A count and its day reach the disk together: shared, in the device's record, one
            # save ahead of the count shown at most.
            assert floor <= said <= floor + 1 if shared else said == now[0][1], \
                f'{moment} {k}: the days hold {said} counts, the file {now[0][1]}, after {floor} was shown'
            for at in (folder, folder + '/varizezCount.devices', '/home/cut/share'):
                left = [n for n in (os.listdir(at) if os.path.isdir(at) else []) if n.endswith('.saving')]
                assert len(left) <= 1, f'{moment} {k}: temporary files pile up in {at}: {left}'
        records = now
    assert records[0][1] >= int(times) // 2, 'the program was hardly ever stopped while counting'
    sizes = {f: os.path.getsize(f'{at}/{f}') for at in ('/home/cut/share', folder + '/varizezCount.devices')
             if os.path.isdir(at) for f in os.listdir(at)}
    assert all(size < 400 for size in sizes.values()), f'a file grows with the counts: {sizes}'
    print(f'{times} kills and power cuts, the file whole after each, {records[0][1]} counted')
    return 0


if __name__ == '__main__':
    command, *args = sys.argv[1:]
    sys.exit({'script': script, 'row': row, 'cut': cut}[command](*args))
