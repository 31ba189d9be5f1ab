#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Three devices, a, b and c, share their counts: random steps on the real programs (a
player, tst_actions, for each open device, so that one can be killed) and a file-sync engine
simulated here, each device checked after each step against a model of what sharing means.

  devices.py PLAYER SEED [STEPS]   STEPS random steps (60) chosen from the seed
  devices.py PLAYER SEED FILE      the steps of FILE, one a line, as a failed run prints them

A step is "DEVICE VERB ARGS" (open [CLOCK], close, kill, add T, count T +N / -N, plus T,
minus T, reset T, remove T, undo, back, target T N (0: none), status [CLOCK], import
T=N,T=N|- [CLOCK]) or
"sync X Y [only OWNER...]": the engine runs between the folders of X and Y, for the files
of those owners only when cut short. A program is opened when a step needs it, and closed
for varizez-file ($VARIZEZ_FILE). At the end every program is closed, the engine brings all
files everywhere, and each device, started once, must show what the model shows knowing
everything. Each count is kept on the day its device's clock shows: after every count, and
at the end, what varizez-file history prints on a device is what the devices it knows of
said on each day.
Run through with-private-home.sh.
"""
import datetime, itertools, os, random, re, subprocess, sys, time
from collections import Counter, namedtuple
from subprocess import PIPE
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
sys.dont_write_bytecode = True  # no rows.py cache left in the sources
from rows import clock_off, days_of, libfaketime, records_of, targets_of

DEVICES, CLOCKS, CLOCK = 'abc', ['+1d', '-3h', '+400d', '-40d'], r'[+-]\d+[mhdy]'
TEXTS = ['SubhanAllah', 'Alhamdulillah', 'AllahuAkbar', 'Astaghfirullah', 'Salawat']
WEIGHTS = {'count': 8, 'plus': 1, 'minus': 1, 'reset': 3, 'add': 3, 'remove': 2, 'back': 1,
           'open': 1, 'close': 1, 'kill': 1, 'status': 1, 'import': 1, 'sync': 6, 'target': 2}
TARGETS = [0, 33, 34, 99, 100]
SECONDS = {'m': 60, 'h': 3600, 'd': 86400, 'y': 365 * 86400}


def today(clock):
    """The date a clock that far off shows."""
    off = int(clock[:-1]) * SECONDS[clock[-1]] if clock else 0
    return datetime.date.fromtimestamp(time.time() + off).isoformat()
# An element (an add, or a count step of n) has a uid; a reset or a remove has "seen", the
# uids of the elements of its phrase that its device knew. A target set (n, 0 for none) has a
# stamp one past every stamp its device knew: the one of a phrase known with the latest stamp
# holds, of two with one stamp the one of the device with the larger id.
# A count made by hand has the day its device's clock showed.
Fact = namedtuple('Fact', 'kind text n uid seen stamp day', defaults=(0, None, frozenset(), 0, None))


class Model:
    """What each device should show, from the facts each device made. A device knows its
    own, and of each other device as many as the version of its file in the folder tells."""

    def __init__(self):
        self.facts = {d: [] for d in DEVICES}
        self.known = {d: dict.fromkeys(DEVICES, 0) for d in DEVICES}
        self.uids = itertools.count(1)

    def knows(self, d, by=False):  # d a device, or "everything"; by: with each fact's device
        return [(e, f) if by else f for e in DEVICES
                for f in self.facts[e][:self.known[d][e] if d in DEVICES and e != d else None]]

    def agreed(self, d):
        """text -> target (0: none), of every phrase some device set a target for."""
        latest = {}
        for e, f in self.knows(d, by=True):
            if f.kind == 'target' and (f.stamp, self.ids[e]) > latest.get(f.text, (0, ''))[:2]:
                latest[f.text] = (f.stamp, self.ids[e], f.n)
        return {t: n for t, (_, _, n) in latest.items()}

    def targets(self, d):
        """text -> target, of the phrases the device shows that have one."""
        shown = self.shown(d)
        return {t: n for t, n in self.agreed(d).items() if n and t in shown}

    def target(self, d, text, n):
        """d sets text's target to n, when it is not that already (a phrase added anew
        starts with none, set so where it had one)."""
        if self.agreed(d).get(text, 0) != n:
            stamp = 1 + max((f.stamp for f in self.knows(d)), default=0)
            self.facts[d].append(Fact('target', text, n, stamp=stamp))

    def sums(self, d):
        """Each phrase's sum of the counts no reset or remove has seen, and whether some
        element of it is unseen by every remove."""
        facts = self.knows(d)
        cut = frozenset().union(*(f.seen for f in facts))
        removed = frozenset().union(*(f.seen for f in facts if f.kind == 'remove'))
        elements = [f for f in facts if f.uid]
        of = {t: [f for f in elements if f.text == t] for t in {f.text for f in elements}}
        return {t: (sum(f.n for f in fs if f.uid not in cut), any(f.uid not in removed for f in fs))
                for t, fs in of.items()}

    def shown(self, d):
        """text -> count, the phrases the device shows."""
        return {t: min(max(0, n), 2**31 - 1) for t, (n, shown) in self.sums(d).items() if shown}

    def element(self, d, kind, text, n=0, day=None):
        self.facts[d].append(Fact(kind, text, n, next(self.uids), day=day))

    def cut(self, d, kind, text):  # a reset or a remove of what d knows of the phrase
        seen = frozenset(f.uid for f in self.knows(d) if f.uid and f.text == text)
        self.facts[d].append(Fact(kind, text, seen=seen))

    def count(self, d, text, n, day=None):
        if n and self.sums(d).get(text, (0,))[0] < 0:
            self.cut(d, 'reset', text)  # shown as 0, and the user counts from what they see
        if n:
            self.element(d, 'count', text, n, day)

    def days(self, d):
        """(date, text) -> what was said that day, as d knows it: each device's counts by hand
        on their days, a count down taking one from its device's day where it has one."""
        total = Counter()
        for e in DEVICES:
            said = Counter()
            for f in self.facts[e][:self.known[d][e] if e != d else None]:
                if f.day:
                    said[(f.day, f.text)] = max(0, said[(f.day, f.text)] + f.n)
            total += said
        return total

    def imported(self, d, rows):
        shown = self.shown(d)
        for text in shown.keys() - rows.keys():
            self.cut(d, 'remove', text)
        for text, n in rows.items():
            if text not in shown:
                self.element(d, 'add', text)
                self.target(d, text, 0)
            self.count(d, text, n - shown.get(text, 0))


def phrases(d):
    """The records of d's phrase file, (text, count) in its order: what its window shows."""
    return records_of(f'/home/{d}/.local/share/varizez/varizezCount.bin')


class Run:
    def __init__(self, player, seed):
        self.player, self.seed, self.rng, self.model = player, seed, random.Random(seed), Model()
        self.players, self.dialog, self.undo, self.log, self.kinds = {}, {}, None, [], Counter()
        self.clocks, self.midnight = {}, False  # the clock each open device runs on
        self.versions = {d: [] for d in DEVICES}  # each device file's: (bytes, mtime, facts told)
        self.folder = {d: {} for d in DEVICES}  # the version of each device's file in d's folder
        set_up = ''.join(f'device {d}\nput /home/{d}/.local/share/varizez/varizezCount.bin\n'
                         f'run sync /home/{d}/share\n' for d in DEVICES)
        out = subprocess.run([player], input=set_up, capture_output=True, text=True).stdout
        assert out.count('status: 0') == 3, out
        self.own = {d: os.listdir(f'/home/{d}/share')[0] for d in DEVICES}  # its file, alone there
        self.model.ids = {d: self.own[d][len('varizez-'):-len('.counts')] for d in DEVICES}
        for d in DEVICES:
            self.refresh(d)

    def fail(self, why, sides=''):  # the players end when their input does
        sys.exit(f'seed {self.seed}: {why}\nsteps so far:\n  ' + '\n  '.join(self.log) + sides)

    def environment(self, d, clock):
        env = {k: v for k, v in os.environ.items() if k != 'XDG_DATA_HOME'} | {'HOME': f'/home/{d}'}
        return clock_off(env, clock) if clock else env

    def refresh(self, d):
        """A new version of d's file when its bytes changed: it tells all d's facts so far."""
        path = f'/home/{d}/share/{self.own[d]}'
        data = open(path, 'rb').read()
        if not self.versions[d] or data != self.versions[d][-1][0]:
            self.versions[d].append((data, os.stat(path).st_mtime_ns, len(self.model.facts[d])))
            self.folder[d][d] = len(self.versions[d]) - 1

    def check(self, d, after, knowing=None):  # what d knows, or what knowing knows
        path = f'/home/{d}/.local/share/varizez/varizezCount.bin'
        seen = sorted(records_of(path)), sorted(targets_of(path).items())
        want = sorted(self.model.shown(knowing or d).items()), \
            sorted(self.model.targets(knowing or d).items())
        if seen != want:
            self.fail(f'{d} disagrees with the model after {after}',
                      f'\nthe device shows: {seen}\nthe model shows:  {want}')

    def check_days(self, d, after):
        if self.midnight:  # a day changed during a step: its counts are on either day
            return
        seen, want = Counter(days_of(self.environment(d, ''))), +self.model.days(d)
        if seen != want:
            self.fail(f'{d} disagrees with the model on the days after {after}',
                      f'\nthe device prints: {sorted(seen.items())}\nthe model keeps:  {sorted(want.items())}')

    def counted(self, d, text, n, step):
        """n counts of d (below 0: counts down), each on the day d's clock shows."""
        day = today(self.clocks.get(d, ''))
        self.model.count(d, text, n, day)
        self.send(d, step)
        self.midnight |= today(self.clocks.get(d, '')) != day
        self.check_days(d, step)

    def send(self, d, step, check=True):
        """One step of d's player; then d's file and phrases are looked at."""
        self.players[d].stdin.write(step + '\n')
        out = self.players[d].stdout.readline()
        if not out or 'failed:' in out:
            self.fail(f'{d}: {step} -> {out.strip() or "the player ended"}')
        if re.search(r'\bdialog: hidden', out):
            self.dialog[d] = None
        self.refresh(d)
        if check:
            self.check(d, step)

    def start(self, d, clock=''):
        self.players[d] = subprocess.Popen([self.player], stdin=PIPE, stdout=PIPE, text=True,
                                           bufsize=1, env=self.environment(d, clock))
        self.clocks[d] = clock
        self.send(d, f'device {d}', check=False)  # its phrase file is as it was left
        self.send(d, 'open')

    def stop(self, d, how):
        if d in self.players:
            self.send(d, 'close') if how == 'close' else self.players[d].kill()
            player = self.players.pop(d)
            player.communicate()
            self.dialog[d] = None
            if how == 'close' and player.returncode:
                self.fail(f'{d}: the player ended with {player.returncode}')

    def on_list(self, d, text=None):  # the main window in front, the phrase's row clicked
        if d not in self.players:
            self.start(d)
        if self.dialog.get(d):
            self.send(d, 'press btnBack')
        if text:
            self.send(d, f'click {[t for t, _ in phrases(d)].index(text)}')

    def counting(self, d, text):  # the counting dialog open on the phrase; its count
        if self.dialog.get(d) != text:
            self.on_list(d, text)
            self.send(d, 'press btnStart')
            self.dialog[d] = text
        return self.model.shown(d)[text]

    def engine(self, x, y, owners=DEVICES):
        """Each file of those owners goes, in its newer version, to the folder that lacks it, as
        Syncthing writes it; an open program there is given a step, after which the player has
        waited until it took in what changed."""
        for owner in owners:
            have = {d: self.folder[d].get(owner, -1) for d in (x, y)}
            if have[x] != have[y]:
                to, version = (y, have[x]) if have[x] > have[y] else (x, have[y])
                data, mtime, told = self.versions[owner][version]
                temporary = f'/home/{to}/share/.syncthing.{self.own[owner]}.tmp'
                open(temporary, 'wb').write(data)
                os.utime(temporary, ns=(mtime, mtime))
                os.replace(temporary, f'/home/{to}/share/{self.own[owner]}')
                self.folder[to][owner], self.model.known[to][owner] = version, told
        for d in sorted({x, y} & self.players.keys()):
            self.send(d, 'env VARIZEZ_WAIT 1')

    def do(self, step):
        """A step. The model hears of it before the device makes it, so that a version of the
        device's file that the step writes tells it too."""
        self.log.append(step)
        self.undo, undo = None, self.undo  # the offer goes with the next step
        words = step.split() + ['', '']
        self.kinds[words[0] if words[0] == 'sync' else words[1]] += 1
        if words[0] == 'sync':
            return self.engine(words[1], words[2], words[4:-2] or DEVICES)
        d, verb, text = words[:3]
        clock = next((w for w in words if re.fullmatch(CLOCK, w)), '')
        if verb in ('open', 'close', 'kill', 'status', 'import'):
            return self.program(d, verb, text, clock)
        if verb == 'add' and text in self.model.shown(d) or verb == 'undo' and not undo:
            self.fail(f'not a step this test makes: {step}')
        if verb == 'target':  # from the list's menu, the Menu key on the phrase's row
            self.on_list(d, text)
            self.model.target(d, text, int(words[3]))
            answer = int(words[3]) or 'No target'
            return self.send(d, f'type Menu "Target… > {answer}"')
        if verb in ('count', 'plus', 'minus', 'reset'):
            shown = self.counting(d, text)
        elif verb in ('add', 'remove'):  # one phrase of a text a device
            self.on_list(d, text if verb == 'remove' else None)
            shown = self.model.shown(d).get(text)
        n = int(words[3]) if verb == 'count' else {'plus': 1, 'minus': -1}.get(verb, 0)
        if n:  # A and − stop at the 0 shown
            press = f'key {"LA"[n < 0]}*{abs(n)}' if verb == 'count' else f'press btn{verb.title()}'
            return self.counted(d, text, max(n, -shown), press)
        elif verb in ('reset', 'remove'):
            self.undo = (verb, text, shown)
            self.model.cut(d, verb, text)
        elif verb == 'add':
            self.model.element(d, verb, text)
            self.model.target(d, text, 0)
        elif verb == 'undo':  # right after a reset or remove on the device
            if undo[0] == 'remove':
                self.model.element(d, 'add', undo[1])
            self.model.count(d, undo[1], undo[2])
        press = f'press btn{verb.title()}' + (f' {text}' if verb == 'add' else '')
        self.send(d, f'key {"LA"[n < 0]}*{abs(n)}' if verb == 'count' else press)

    def program(self, d, verb, text, clock):
        if verb == 'open' and d not in self.players:
            self.start(d, clock)
        elif verb in ('close', 'kill', 'status', 'import'):
            self.stop(d, 'kill' if verb == 'kill' else 'close')
        if verb == 'import':  # T=N,T=N, or "-" for none
            rows = {t: int(n) for t, n in (r.split('=') for r in text.split(',') if '=' in r)}
            open(f'/home/{d}/import.csv', 'w', encoding='utf-8').write(
                'phrase,count\n' + ''.join(f'{t},{n}\n' for t, n in rows.items()))
            self.model.imported(d, rows)
        if verb in ('status', 'import'):
            args = ['import', f'/home/{d}/import.csv'] if verb == 'import' else ['sync']
            run = subprocess.run([os.environ['VARIZEZ_FILE']] + args, capture_output=True,
                                 text=True, env=self.environment(d, clock))
            if run.returncode:
                self.fail(f'{d}: varizez-file {" ".join(args)}: {run.stderr.strip()}')
            self.refresh(d)
        if verb == 'import':
            self.check(d, 'varizez-file import')

    def random_step(self):
        rng, d = self.rng, self.rng.choice(DEVICES)
        if self.undo and (self.undo[0] == 'remove' or self.undo[2]) and rng.random() < 0.4:
            return self.log[-1].split()[0] + ' undo'  # (a reset from 0 offers none)
        shown = sorted(self.model.shown(d))
        on = self.dialog.get(d) if self.dialog.get(d) in shown and rng.random() < 0.5 else None
        text = on or shown and rng.choice(shown)
        clock = f' {rng.choice(CLOCKS)}' if rng.random() < 0.25 and libfaketime() else ''
        running = d in self.players
        while True:
            kind = rng.choices(list(WEIGHTS), list(WEIGHTS.values()))[0]
            if kind in ('count', 'plus', 'minus', 'reset', 'remove', 'add', 'target') and not running:
                kind = 'open'  # at times with its clock off
            if kind == 'sync':
                x, y = rng.sample(DEVICES, 2)
                differ = [o for o in DEVICES if self.folder[x].get(o) != self.folder[y].get(o)]
                short = rng.sample(differ, rng.randrange(1, len(differ))) if len(differ) > 1 else []
                cut = short and rng.random() < 0.3  # cut short: some of the files that differ
                return f'sync {x} {y}' + (' only ' + ' '.join(sorted(short)) if cut else '')
            if kind == 'add' and set(TEXTS) - set(shown):
                return f'{d} add {rng.choice(sorted(set(TEXTS) - set(shown)))}'
            if kind in ('count', 'plus', 'minus', 'reset', 'remove') and text:
                n = rng.choice('+++-') + str(rng.randint(1, 5))
                return f'{d} {kind} {text}' + (f' {n}' if kind == 'count' else '')
            if kind == 'target' and text:
                return f'{d} target {text} {rng.choice(TARGETS)}'
            if kind == 'back' and self.dialog.get(d) or kind in ('close', 'kill') and running:
                return f'{d} {kind}'
            if kind == 'status' or kind == 'open' and not running:
                return f'{d} {kind}{clock}'
            if kind == 'import':
                rows = [f'{t}={rng.randrange(30)}' for t in rng.sample(TEXTS, rng.randint(0, 4))]
                return f'{d} import {",".join(rows) or "-"}{clock}'

    def finish(self):
        for d in DEVICES:
            self.stop(d, 'close')
        for x, y in ('ab', 'bc', 'ac'):  # then every folder holds the newest of each file
            self.do(f'sync {x} {y}')
        for d in DEVICES:
            self.do(f'{d} open')
            self.stop(d, 'close')
        for d in DEVICES:
            self.check(d, 'the end', knowing='everything')
            self.check_days(d, 'the end')


def main(player, seed, steps='60'):
    run = Run(player, int(seed))
    planned = os.path.exists(steps) and [l.strip() for l in open(steps, encoding='utf-8')]
    for step in planned or (run.random_step() for _ in range(int(steps))):
        if step and not step.startswith('#'):
            run.do(step)
    played, kinds = len(run.log), ', '.join(f'{k} {n}' for k, n in sorted(run.kinds.items()))
    run.finish()
    print(f'seed {seed}: {played} steps, and all devices agree with the model: {kinds}')


if __name__ == '__main__':
    main(*sys.argv[1:])
