#!/usr/bin/python3
"""Runs the cases that live in text files against the real programs.

  rows.py script PLAYER SCRIPT      an action script (actions/README); with
                                    VARIZEZ_REWRITE=1 it is rewritten with what was seen
  rows.py row PLAYER TABLE NAME     a row "name | set-up steps | steps | changes"
  rows.py kill N PLAYER             kills the program N times while it counts
The player is tst_actions; it must run in a private /home (with-private-home.sh).
"""
import difflib, os, random, struct, subprocess, sys, time

FILE = '/home/user/varizezCount.bin'


def play(player, steps):
    """The transcript of the steps: each step, then what it changed, indented."""
    run = subprocess.run([player], input='\n'.join(steps) + '\n', capture_output=True, text=True, timeout=600)
    sys.stderr.write(run.stderr)
    assert run.returncode == 0, f'the player ended with {run.returncode}'
    return run.stdout


def compare(expected, seen, name):
    if seen == expected:
        return 0
    sys.stdout.writelines(difflib.unified_diff(expected.splitlines(True), seen.splitlines(True), name, 'seen'))
    return 1


def script(player, path):
    expected = open(path, encoding='utf-8').read()
    seen = play(player, [line for line in expected.rstrip('\n').split('\n') if not line.startswith('  ')])
    if os.environ.get('VARIZEZ_REWRITE') and seen != expected:
        open(path, 'w', encoding='utf-8').write(seen)
        return print(f'rewrote {path}: review its diff') or 0
    return compare(expected, seen, path)


def row(player, table, name):
    """Plays the set-up steps, then the steps, and compares the steps' changes, ";" between them."""
    line = next(l for l in open(table, encoding='utf-8') if l.split('|')[0].strip() == name)
    _, set_up, steps, expected = line.split('|', 3)
    seen = play(player, [s.strip() for s in set_up.split(';')] + ['# steps'] + [s.strip() for s in steps.split(';')])
    changes = '; '.join(c.strip() for c in seen.split('# steps\n')[-1].splitlines() if c.startswith('  '))
    return compare(expected.strip() + '\n', changes + '\n', name)


def records_of(data):
    """The records of a whole phrase file; raises on anything less or more."""
    (n,), pos, records = struct.unpack_from('>i', data), 4, []
    for _ in range(n):
        (size,) = struct.unpack_from('>I', data, pos)
        text, pos = data[pos + 4:pos + 4 + size], pos + 4 + size
        assert len(text) == size, 'a text is cut short'
        records.append((text.decode('utf-16-be'), struct.unpack_from('>i', data, pos)[0]))
        pos += 4
    assert pos == len(data), f'{len(data) - pos} bytes after the last record'
    return records


def kill(kills, player):
    """Kills the program at random moments while it counts: the file must
    always be whole and never behind a count whose save had returned."""
    seed = int(os.environ.get('VARIZEZ_SEED', time.time_ns() % 100000))
    print(f'seed {seed} (VARIZEZ_SEED={seed} replays it)')
    rng, leftovers = random.Random(seed), 0
    play(player, ['mkdir /home/user', f'numbered {FILE} 20'])
    records = records_of(open(FILE, 'rb').read())
    for k in range(kills):
        program = subprocess.Popen([player], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, text=True)
        program.stdin.write('open\nclick 0\npress btnStart\ncount -1\n')
        program.stdin.flush()
        first = program.stdout.readline() if rng.randrange(4) else ''  # mostly while counting
        time.sleep(rng.uniform(0.001, 0.015))
        program.kill()
        shown = [int(line.split()[1]) for line in (first + program.communicate()[0]).splitlines()
                 if line.startswith('count ')]
        now = records_of(open(FILE, 'rb').read())
        floor = shown[-1] if shown else records[0][1]
        assert now[1:] == records[1:] and floor <= now[0][1] <= floor + 1, \
            f'kill {k}: the file holds {now[0]} after the program showed {floor}'
        records = now
        # A kill between linking the new file and renaming it over the old one
        # leaves it under a temporary name, whole; the next save removes it.
        others = [name for name in os.listdir(os.path.dirname(FILE)) if name != 'varizezCount.bin']
        assert len(others) <= 1, f'kill {k} left {others}'
        for name in others:
            records_of(open(os.path.join(os.path.dirname(FILE), name), 'rb').read())
        leftovers += len(others)
    print(f'{kills} kills, the file whole after each; {leftovers} left a temporary file')
    return 0


if __name__ == '__main__':
    command, *args = sys.argv[1:]
    sys.exit({'script': script, 'row': row, 'kill': lambda n, p: kill(int(n), p)}[command](*args))
