#!/usr/bin/env python3
"""Our NetBIOS over TCP/IP between computers made of network namespaces (tests/net/netns.sh).

  nbt_network_test.py --bin BUILD/win/bin samba   computer A runs nbt_peer.exe under Wine;
                                                  computer B uses Samba's nmblookup and scapy
  nbt_network_test.py --bin BUILD/win/bin wine    A and B both run nbt_peer.exe under Wine
  nbt_network_test.py --node PATH/nbt_node native A runs our NetBIOS natively (BSD sockets);
                                                  B as in the samba case

Exits 0 when every check passes, 1 on a failure, 77 (skipped) without root, network namespaces,
Wine, nmblookup or scapy. Every wait is bounded; the namespaces are always torn down."""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
NETNS = os.path.join(HERE, 'netns.sh')
SKIP = 77


class Failed(Exception):
    pass


class Network:
    """A set of computers from netns.sh, torn down on exit."""

    def __init__(self, computers):
        self.run = 'nbt%d' % (os.getpid() % 100000)
        self.dir = tempfile.mkdtemp(prefix='kivet-nbt-')
        subprocess.run([NETNS, 'down', self.run], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run([NETNS, 'up', self.run] + computers, check=True, timeout=180)
        self.processes = []

    def address(self, name):
        return subprocess.run([NETNS, 'addr', self.run, name], check=True, capture_output=True,
                              text=True).stdout.strip()

    def broadcast(self):
        return subprocess.run([NETNS, 'broadcast', self.run], check=True, capture_output=True,
                              text=True).stdout.strip()

    def run_in(self, name, command, timeout=30):
        return subprocess.run([NETNS, 'run', self.run, name] + command, capture_output=True, text=True,
                              timeout=timeout)

    def start_peer(self, name, program, arguments):
        """nbt_peer.exe under Wine, or nbt_node natively, in computer name; its output goes to a
        file (Wine and pipes do not mix)."""
        output = os.path.join(self.dir, name + '.out')
        stop = os.path.join(self.dir, name + '.stop')
        if program.endswith('.exe'):
            command = ['wine', program] + arguments[:3] + ['--until', 'Z:' + stop.replace('/', '\\')]
        else:
            command = [program, self.address(name), self.broadcast()] + arguments[:3] + ['--until', stop]
        with open(output, 'w') as out:
            process = subprocess.Popen([NETNS, 'run', self.run, name] + command + arguments[3:],
                                       stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.processes.append((process, stop))
        return Peer(output, stop, process)

    def close(self):
        for process, stop in self.processes:
            open(stop, 'w').close()
        for process, _ in self.processes:
            try:
                process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                process.kill()
        subprocess.run([NETNS, 'down', self.run], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        shutil.rmtree(self.dir, ignore_errors=True)


class Peer:
    def __init__(self, output, stop, process):
        self.output, self.stop, self.process = output, stop, process

    def text(self):
        with open(self.output, errors='replace') as f:
            return f.read()

    def wait_for(self, pattern, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            match = re.search(pattern, self.text(), re.M)
            if match:
                return match
            if self.process.poll() is not None and not re.search(pattern, self.text(), re.M):
                break
            time.sleep(0.1)
        raise Failed('no line matching %r; output was:\n%s' % (pattern, self.text()))

    def finish(self):
        open(self.stop, 'w').close()
        self.process.wait(timeout=30)
        return self.text()


def check(condition, what, detail=''):
    print(('ok    ' if condition else 'FAIL  ') + what, flush=True)
    if not condition:
        raise Failed(what + ('\n' + detail if detail else ''))


def samba_case(network, program):
    a = network.address('A')
    broadcast = network.broadcast()
    scapy_script = os.path.join(HERE, 'nbt_scapy_peer.py')
    listener_output = os.path.join(network.dir, 'listener.out')
    with open(listener_output, 'w') as out:
        listener = subprocess.Popen([NETNS, 'run', network.run, 'B', '/usr/bin/python3', scapy_script, 'listen', a],
                                    stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
    alice = network.start_peer('A', program, ['PC-ALICE', 'ALICE', 'OFFICE', '--away', '--listen', 'messngr', '--',
                                              'sleep 1000', 'send OFFICE messngr hello from alice'])
    alice.wait_for(r'^ready$')

    result = network.run_in('B', ['nmblookup', '-B', broadcast, 'PC-ALICE'])
    check(re.search(r'^%s PC-ALICE<00>$' % re.escape(a), result.stdout, re.M) is not None,
          'nmblookup resolves PC-ALICE<00> by broadcast', result.stdout + result.stderr)
    result = network.run_in('B', ['nmblookup', '-B', broadcast, 'ALICE#03'])
    check(re.search(r'^%s ALICE<03>$' % re.escape(a), result.stdout, re.M) is not None,
          'nmblookup resolves the user name ALICE<03>', result.stdout)
    result = network.run_in('B', ['nmblookup', '-B', broadcast, 'OFFICE#1e'])
    check(re.search(r'^%s OFFICE<1e>$' % re.escape(a), result.stdout, re.M) is not None,
          'nmblookup resolves the workgroup group name OFFICE<1e>', result.stdout)
    result = network.run_in('B', ['nmblookup', '-B', broadcast, 'NOBODY'])
    check('name_query failed' in result.stdout, 'nmblookup finds no NOBODY', result.stdout)

    result = network.run_in('B', ['nmblookup', '-A', a])
    status = result.stdout
    for name, kind in (('PC-ALICE', r'<00> -\s+B <ACTIVE>'), ('ALICE', r'<03> -\s+B <ACTIVE>'),
                       ('OFFICE', r'<00> - <GROUP> B <ACTIVE>'), ('AUTOANSWERMODE', r'<11> - <GROUP> B <ACTIVE>')):
        check(re.search(r'^\s*%s\s+%s' % (name, kind), status, re.M) is not None,
              'node status lists %s %s' % (name, kind.split(' ')[0]), status)

    result = network.run_in('B', ['/usr/bin/python3', scapy_script, 'talk', a, broadcast], timeout=60)
    print(result.stdout, end='')
    check(result.returncode == 0, 'scapy exchanges with A', result.stderr)
    listener.wait(timeout=45)
    with open(listener_output) as f:
        print(f.read(), end='')
    check(listener.returncode == 0, "A's group datagram dissects cleanly in scapy")
    alice.wait_for(r'^received messngr Bob\|Alice\|from scapy\|$', timeout=10)
    check(True, 'the datagram scapy built reached the local mailslot messngr')
    output = alice.finish()
    check('stopped' in output, 'A released its names and stopped', output)


def wine_case(network, program):
    alice = network.start_peer('A', program, ['PC-ALICE', 'ALICE', 'OFFICE', '--listen', 'messngr',
                                              '--listen', 'kivet\\group', '--', 'await BOB#03', 'status PC-BOB#00'])
    alice.wait_for(r'^ready$')
    a = network.address('A')
    b = network.address('B')
    bob = network.start_peer('B', program, ['PC-BOB', 'BOB', 'OFFICE', '--',
                                            'find ALICE#03', 'status PC-ALICE#00', 'add ALICE#03',
                                            'send ALICE messngr to the user',
                                            'send OFFICE kivet\\group to the workgroup',
                                            'send * messngr to the primary domain',
                                            'send NOBODY messngr lost', 'domains'])
    check(bob.wait_for(r'^find ALICE#03 nrc=(\d+) address=(\S+)$').groups() == ('0', a),
          'B finds ALICE<03> at A through the NetBios seam')
    status = bob.wait_for(r'^status PC-ALICE#00 nrc=0 (.*)$').group(1)
    check('ALICE<03>/04' in status and 'OFFICE<00>/84' in status and 'OFFICE<1E>/84' in status,
          "B reads A's node status: unique names 0x04, the workgroup 0x84", status)
    check(bob.wait_for(r'^add ALICE#03 nrc=(\d+)$').group(1) == '22',
          "B cannot register A's unique name: NRC_INUSE (0x16)")
    for target in ('ALICE messngr', 'OFFICE kivet\\\\group', r'\* messngr'):
        check(bob.wait_for(r'^send %s ok=(\d)$' % target).group(1) == '1',
              'B writes to %s' % target.replace('\\\\', '\\').replace('\\*', '*'))
    check(bob.wait_for(r'^send NOBODY messngr ok=(\d)$').group(1) == '0', 'a write to an unknown name fails')
    domains = bob.wait_for(r'^domains (.*)$', timeout=40).group(1)
    check(domains.strip() == 'OFFICE:PC-ALICE,PC-BOB,', 'B lists the workgroup and its computers', domains)
    check(alice.wait_for(r'^find BOB#03 nrc=(\d+) address=(\S+)$').groups() == ('0', b),
          "A finds B's user name BOB<03> through the NetBios seam")
    status = alice.wait_for(r'^status PC-BOB#00 nrc=0 (.*)$').group(1)
    check('PC-BOB<00>/04' in status and 'BOB<03>/04' in status and 'OFFICE<00>/84' in status,
          "A reads B's node status", status)
    for line in (r'received messngr to the user', r'received kivet\\group to the workgroup',
                 r'received messngr to the primary domain'):
        alice.wait_for('^' + line + '$', timeout=10)
        check(True, 'A ' + line.replace('\\\\', '\\'))


def scapy_installed():
    return subprocess.run(['/usr/bin/python3', '-c', 'import scapy.layers.netbios'], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--bin', help='the Windows tree\'s bin folder (samba, wine)')
    parser.add_argument('--node', help='the native nbt_node program (native)')
    parser.add_argument('case', choices=['samba', 'wine', 'native'])
    args = parser.parse_args()
    native = args.case == 'native'
    program = os.path.abspath(args.node) if native else os.path.join(os.path.abspath(args.bin), 'nbt_peer.exe')
    if os.geteuid() != 0 or shutil.which('ip') is None or (not native and shutil.which('wine') is None):
        print('skipped: needs root, iproute2 and Wine')
        return SKIP
    if args.case != 'wine' and (shutil.which('nmblookup') is None or not scapy_installed()):
        print('skipped: needs nmblookup (samba-common-bin) and python3-scapy')
        return SKIP
    computers = {'samba': ['--wine', 'A', '--plain', 'B'], 'wine': ['--wine', 'A', 'B'], 'native': ['A', 'B']}
    try:
        network = Network(computers[args.case])
    except (subprocess.CalledProcessError, subprocess.TimeoutExpired) as error:
        print('skipped: network namespaces unavailable (%s)' % error)
        return SKIP
    try:
        (wine_case if args.case == 'wine' else samba_case)(network, program)
        print('all checks passed')
        return 0
    except (Failed, subprocess.TimeoutExpired) as failure:
        print('FAILED: %s' % failure)
        return 1
    finally:
        network.close()


if __name__ == '__main__':
    sys.exit(main())
