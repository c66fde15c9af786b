"""The real kivetsec.exe on simulated computers, for the end-to-end tests and the soak.

Each computer is a network namespace from netns.sh with its own host name, hosts file, Wine prefix
and wineserver, and a logon name of its own (Wine takes it from USER). Its program folder
C:\\kivet holds kivetsec.exe, the registered Secure.dll and the history's style and pictures,
with the INI settings a test writes. Windows appear on an Xvfb display the network starts for
itself. program_driver.exe works the program running on a computer, one command per call.

    network = ProgramNetwork(bin_dir, {'ALICE-PC': 'alice', 'BOB-PC': 'bob'})
    alice = network['ALICE-PC']
    alice.write_ini({'GENERAL': {'AutoScan': 1}})
    alice.start_program()
    alice.drive('wait-count', 1)
    network.close()

Every call is bounded by a time-out; close() ends every program, wineserver, namespace and the
Xvfb it started."""
import argparse
import os
import re
import shutil
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
NETNS = os.path.join(HERE, 'netns.sh')
SKIP = 77
PROGRAM_FILES = ['kivetsec.exe', 'Secure.dll', 'style.css', 'program_driver.exe', 'datagram_writer.exe',
                 'secure_exchange_peer.exe', 'secure_soak_peer.exe', 'nbt_peer.exe']
PROGRAM_FOLDERS = ['images', 'History']
WINDOWS_FOLDER = 'C:\\kivet'


class Failed(Exception):
    pass


STARTED = time.monotonic()


def check(condition, what, detail=''):
    """Prints the check's outcome with the seconds since the start; a failed check ends the test
    with its detail."""
    print('%s %5.1fs  %s' % ('ok  ' if condition else 'FAIL', time.monotonic() - STARTED, what), flush=True)
    if not condition:
        raise Failed(what + ('\n' + str(detail) if detail else ''))


def missing_tools():
    """What this machine lacks for the tests, or None."""
    if os.geteuid() != 0:
        return 'root'
    for tool in ('ip', 'unshare', 'wine', 'Xvfb', 'nmblookup'):
        if shutil.which(tool) is None:
            return tool
    if not os.path.isdir(os.environ.get('KIVET_WINE_TEMPLATE', '/var/tmp/kivet-wine-template')):
        return 'the Wine prefix template (scripts/setup.sh)'
    return None


class Display:
    """An Xvfb server of our own: the programs' windows need one."""

    def __init__(self):
        self.process = None
        for number in range(140, 200):
            if os.path.exists('/tmp/.X11-unix/X%d' % number) or os.path.exists('/tmp/.X%d-lock' % number):
                continue
            self.process = subprocess.Popen(['Xvfb', ':%d' % number, '-screen', '0', '1024x768x24', '-nolisten', 'tcp'],
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.name = ':%d' % number
            deadline = time.time() + 10
            while time.time() < deadline and not os.path.exists('/tmp/.X11-unix/X%d' % number):
                time.sleep(0.05)
            return
        raise Failed('no free X display number')

    def close(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class Computer:
    """One simulated computer with the program installed."""

    def __init__(self, network, name, user):
        self.network, self.name, self.user = network, name, user
        self.address = network.netns('addr', network.run_id, name).strip()
        self.prefix = network.netns('prefix', network.run_id, name).strip()
        self.folder = os.path.join(self.prefix, 'drive_c', 'kivet')
        self.program = None
        self.program_output = os.path.join(network.dir, name + '.program.out')

    def run(self, command, timeout=30, cwd=None):
        """A command in this computer, as its user, in the program folder; output in a file
        (Wine and pipes do not mix). Returns (exit code, output)."""
        output = os.path.join(self.network.dir, '%s.%d.out' % (self.name, time.monotonic_ns()))
        with open(output, 'w') as out:
            process = subprocess.Popen(self._command(command), stdout=out, stderr=subprocess.STDOUT,
                                       stdin=subprocess.DEVNULL, cwd=cwd or self.folder, env=self.network.env)
            try:
                code = process.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
                code = None
        with open(output, errors='replace') as f:
            text = f.read()
        os.remove(output)
        return code, text

    def _command(self, command):
        return [NETNS, 'run', self.network.run_id, self.name, 'env', 'USER=' + self.user,
                'LOGNAME=' + self.user] + command

    def spawn(self, program, *arguments):
        """A program of the program folder started in this computer and left running: (process,
        the file its output goes to)."""
        output = os.path.join(self.network.dir, '%s.%d.out' % (self.name, time.monotonic_ns()))
        with open(output, 'w') as out:
            process = subprocess.Popen(self._command(['wine', WINDOWS_FOLDER + '\\' + program] +
                                                     [str(a) for a in arguments]),
                                       stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                       cwd=self.folder, env=self.network.env)
        self.network.spawned.append(process)
        return process, output

    def spawn_host(self, *command):
        """A Linux command started in this computer (in the run's folder) and left running: (process,
        the file its output goes to)."""
        output = os.path.join(self.network.dir, '%s.%d.out' % (self.name, time.monotonic_ns()))
        with open(output, 'w') as out:
            process = subprocess.Popen(self._command([str(c) for c in command]), stdout=out, stderr=subprocess.STDOUT,
                                       stdin=subprocess.DEVNULL, cwd=self.network.dir, env=self.network.env)
        self.network.spawned.append(process)
        return process, output

    def wine(self, program, *arguments, timeout=30):
        return self.run(['wine', WINDOWS_FOLDER + '\\' + program] + [str(a) for a in arguments], timeout=timeout)

    def install(self):
        os.makedirs(self.folder, exist_ok=True)
        for name in PROGRAM_FILES:
            shutil.copy(os.path.join(self.network.bin_dir, name), self.folder)
        for name in PROGRAM_FOLDERS:
            source = os.path.join(self.network.bin_dir, name)
            if os.path.isdir(source):
                shutil.copytree(source, os.path.join(self.folder, name), dirs_exist_ok=True)
        code, text = self.run(['wine', 'regsvr32', '/s', WINDOWS_FOLDER + '\\Secure.dll'], timeout=120)
        if code != 0:
            raise Failed('%s: Secure.dll was not registered (%s): %s' % (self.name, code, text))

    def write_ini(self, sections):
        """The program's INI file ("<logon name>.ini"), e.g. {'GENERAL': {'AutoScan': 1}}."""
        lines = []
        for section, keys in sections.items():
            lines.append('[%s]' % section)
            lines += ['%s=%s' % (key, value) for key, value in keys.items()]
        with open(os.path.join(self.folder, self.user + '.ini'), 'w', newline='\r\n') as f:
            f.write('\n'.join(lines) + '\n')

    def add_to_list(self, subkey, name):
        """A name in one of the personal lists in the registry (IgnoreList, QuickList ...)."""
        self.set_registry_string(subkey, name, '')

    def set_registry_string(self, subkey, name, data):
        """A string value under the program's registry key ('' for the key itself)."""
        key = 'HKCU\\Software\\Ostrel\\Kivet Secure Messenger' + ('\\' + subkey if subkey else '')
        code, text = self.run(['wine', 'reg', 'add', key, '/v', name, '/t', 'REG_SZ', '/d', data, '/f'], timeout=60)
        if code != 0:
            raise Failed('%s: reg add %s %s failed: %s' % (self.name, subkey, name, text))

    def launch_program(self, *arguments):
        """kivetsec.exe started in this computer (with the action log unless told otherwise)."""
        arguments = arguments or ('/l',)
        with open(self.program_output, 'w') as out:
            self.program = subprocess.Popen(self._command(['wine', WINDOWS_FOLDER + '\\kivetsec.exe'] + list(arguments)),
                                            stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                            cwd=self.folder, env=self.network.env)

    def start_program(self, *arguments):
        """kivetsec.exe running in this computer, its main window idle and its names answered."""
        self.launch_program(*arguments)
        code, text = self.drive('main', 30000, timeout=45)
        if code != 0:
            raise Failed('%s: the program did not show its main window: %s' % (self.name, text))
        self.wait_for_names()

    def wait_for_names(self, seconds=20):
        """Until this computer answers another one for its user name <03> and the workgroup <1E>:
        the program registers them on a worker thread of its own, seconds after its window shows
        (a question from the computer itself would be taken for its own echo)."""
        witness = next(c for c in self.network.computers.values() if c is not self)
        deadline = time.monotonic() + seconds
        pending = [self.user.upper() + '#03', 'WORKGROUP#1e']
        while pending and time.monotonic() < deadline:
            _, text = witness.host('nmblookup', '-U', self.address, pending[0], timeout=15)
            if re.search(r'^%s \S+<' % re.escape(self.address), text, re.M):
                pending.pop(0)
            else:
                time.sleep(0.2)
        if pending:
            raise Failed('%s: its program never answered for %s' % (self.name, pending[0]))

    def stop_program(self, graceful=True):
        """Exit through the menu, answering Yes (under Wine here that takes some seconds);
        killed when it does not end, or at once when not graceful."""
        if self.program is None:
            return
        if graceful and self.program.poll() is None:
            self.drive('exit', timeout=40)
        elif self.program.poll() is None:
            self.drive('kill', timeout=40)
        try:
            self.program.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.program.kill()
            self.program.wait()
        self.program = None

    def drive(self, *arguments, timeout=40):
        """program_driver.exe with the arguments: (exit code, output)."""
        return self.wine('program_driver.exe', *arguments, timeout=timeout)

    def value(self, *arguments, word=None, timeout=40):
        """The text after the first word of the driver's first line starting with `word`
        (default: the command's name); fails the test when the driver fails."""
        code, text = self.drive(*arguments, timeout=timeout)
        if code != 0:
            raise Failed('%s: program_driver %s failed (%s):\n%s' % (self.name, ' '.join(map(str, arguments)), code,
                                                                     text))
        word = word or str(arguments[0])
        for line in text.splitlines():
            if line.startswith(word + ' '):
                return line[len(word) + 1:]
            if line == word:
                return ''
        raise Failed('%s: no "%s" in the driver\'s answer:\n%s' % (self.name, word, text))

    def values(self, *arguments, timeout=40):
        """Every "word value" line of the driver's answer as a dictionary."""
        code, text = self.drive(*arguments, timeout=timeout)
        if code != 0:
            raise Failed('%s: program_driver %s failed (%s):\n%s' % (self.name, ' '.join(map(str, arguments)), code,
                                                                     text))
        return dict(line.split(' ', 1) if ' ' in line else (line, '') for line in text.splitlines())

    def send(self, names, text, *answers, timeout=120):
        """NAMES and TEXT sent from the program's send dialog (opened unless it is open), each
        question it asks answered in turn ("yes", "yes-tick": Yes with "Do not show this message
        again" ticked, "no"): a SendOutcome of what it showed."""
        code, output = self.drive('send', names, text, *answers, timeout=timeout)
        if code not in (0, 1):
            raise Failed('%s: program_driver send failed (%s):\n%s' % (self.name, code, output))
        return SendOutcome(code == 0, output)

    def messages(self):
        """Every message the program holds, first to last: (padlock shown, header, text)."""
        code, text = self.drive('messages', timeout=300)
        if code != 0:
            raise Failed('%s: the messages could not be read (%s): %s' % (self.name, code, text))
        found = []
        for line in text.splitlines():
            if line.startswith('message '):
                _, padlock, header, body = line.split('|', 3)
                found.append((padlock == '1', header, body.replace('\\n', '\n')))
        return found

    def wait_for_messages(self, count, ms=10000):
        """True once the program counts `count` messages (the tray's count) within ms."""
        code, _ = self.drive('wait-count', count, ms, timeout=ms / 1000 + 30)
        return code == 0

    def write_datagrams(self, *datagrams):
        """Messenger Service datagrams (target, recipient, text) from this computer's user to each
        target's \\mailslot\\messngr, through our NetBIOS (this computer's program must not be
        running): True when every one was sent."""
        arguments = [part for datagram in datagrams for part in datagram]
        code, _ = self.wine('datagram_writer.exe', self.name, self.user.upper(), *arguments, timeout=60)
        return code == 0

    def send_mode(self, names, text, timeout=60):
        """kivetsec.exe /s NAMES TEXT: (exit code, seconds taken)."""
        start = time.monotonic()
        code, _ = self.run(['wine', WINDOWS_FOLDER + '\\kivetsec.exe', '/s', names] + text.split(' '),
                           timeout=timeout)
        return code, time.monotonic() - start

    def log_actions(self):
        path = os.path.join(self.folder, 'kivetsec.log')
        if not os.path.exists(path):
            return []
        with open(path, encoding='latin-1') as f: # key lines are raw bytes
            return re.findall(r'^ACTION: (.*?)\r?$', f.read(), re.M)

    def host(self, *command, timeout=30):
        """A Linux command in this computer (nmblookup ...): (exit code, output)."""
        return self.run(list(command), timeout=timeout, cwd=self.network.dir)


class SendOutcome:
    """What one send from the send dialog showed, in order: `asked` holds (kind, seconds after Send,
    text) for each question or box ("non-secure" for the dialog asking to send without
    encryption, "box" for a message box); `results` the results dialog's headline, `rows` its
    "user|computer" rows and `footer` its last line (None without a results dialog); `seconds`
    the send's length and `finished` whether it ended in time."""

    def __init__(self, finished, output):
        self.finished, self.output = finished, output
        self.asked, self.rows = [], []
        self.results = self.footer = self.seconds = None
        for line in output.splitlines():
            word, _, rest = line.partition(' ')
            if word in ('non-secure', 'box'):
                seconds, _, text = rest.partition(' ')
                self.asked.append((word, float(seconds), text.replace('\\n', '\n')))
            elif word == 'results':
                self.results = rest.partition(' ')[2]
            elif word == 'row':
                self.rows.append(rest)
            elif word == 'footer':
                self.footer = rest
            elif word in ('sent', 'unfinished'):
                self.seconds = float(rest)

    def __repr__(self):
        return self.output


class ProgramNetwork:
    """Computers named in `computers` (name -> logon name), each with the program installed."""

    def __init__(self, bin_dir, computers, subnet='10.99.0'):
        self.bin_dir = os.path.abspath(bin_dir)
        self.run_id = 'kp%d' % (os.getpid() % 1000000)
        self.dir = tempfile.mkdtemp(prefix='kivet-programs-')
        self.display = None
        self.computers = {}
        self.spawned = []
        subprocess.run([NETNS, 'down', self.run_id], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self.display = Display()
            self.env = dict(os.environ, DISPLAY=self.display.name)
            self.env.pop('WINEPREFIX', None)
            with open(os.path.join(self.dir, 'netns.out'), 'w') as out:
                subprocess.run([NETNS, 'up', self.run_id, '--subnet', subnet, '--wine'] + list(computers), check=True,
                               timeout=240, stdout=out, stderr=subprocess.STDOUT, env=self.env)
            for name, user in computers.items():
                self.computers[name] = Computer(self, name, user)
            for computer in self.computers.values():
                computer.install()
        except BaseException:
            self.close()
            raise

    def __getitem__(self, name):
        return self.computers[name]

    def netns(self, *arguments):
        return subprocess.run([NETNS] + list(arguments), check=True, capture_output=True, text=True,
                              timeout=30).stdout

    def broadcast(self):
        return self.netns('broadcast', self.run_id).strip()

    def hosts(self, name, *others):
        """NAME's hosts file names only NAME and the others from now on."""
        self.netns('hosts', self.run_id, name, *others)

    def close(self):
        for process in self.spawned:
            if process.poll() is None:
                process.kill()
                process.wait()
        # The programs end with their computers: netns.sh stops everything running in them.
        subprocess.run([NETNS, 'down', self.run_id], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=180)
        for computer in self.computers.values():
            if computer.program is not None:
                try:
                    computer.program.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    computer.program.kill()
                    computer.program.wait()
        if self.display:
            self.display.close()
        shutil.rmtree(self.dir, ignore_errors=True)


def long_text(length):
    """Numbered words and blanks, `length` characters, ending in "Z": a text cut short or a piece
    lost or reordered on the way shows."""
    text, n = '', 0
    while len(text) < length:
        n += 1
        text += 'word%d ' % n
    return text[:length - 1] + 'Z'


def test_main(computers, body):
    """The command line of every test of these computers: --bin BUILD/win/bin, then run_test."""
    parser = argparse.ArgumentParser()
    parser.add_argument('--bin', required=True, help="the Windows tree's bin folder")
    return run_test(parser.parse_args().bin, computers, body)


def run_test(bin_dir, computers, body):
    """Sets the computers up, runs body(network), tears everything down. Exit code: 0 passed,
    1 failed, 77 skipped."""
    lacking = missing_tools()
    if lacking:
        print('skipped: needs %s' % lacking)
        return SKIP
    try:
        network = ProgramNetwork(bin_dir, computers)
    except (subprocess.CalledProcessError, subprocess.TimeoutExpired) as error:
        print('skipped: the computers could not be made (%s)' % error)
        return SKIP
    except Failed as failure:
        print('FAILED: %s' % failure)
        return 1
    try:
        body(network)
        print('all checks passed')
        return 0
    except (Failed, subprocess.TimeoutExpired) as failure:
        print('FAILED: %s' % failure)
        for computer in network.computers.values():
            actions = computer.log_actions()
            if actions:
                print('--- %s action log (last 12):\n  %s' % (computer.name, '\n  '.join(actions[-12:])))
        return 1
    finally:
        network.close()
