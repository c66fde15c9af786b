#!/usr/bin/env python3
"""The real program's network browser on three computers (ALICE-PC, BOB-PC, CAROL-PC; users
alice, bob, carol): A's scan at start-up lists B and C, B's logged-on user and C in Auto-Reply
mode; Message details (F3) on a message from B shows B's names, workgroup, MAC and IP address;
with IgnorWorkgroup on, a message to the workgroup is discarded while one to A is shown. Prints
how long A's first scan of this network took.

  program_browser_test.py --bin BUILD/win/bin

Exits 0 when every check passes, 1 on a failure, 77 (skipped) without root, Wine, Xvfb or
nmblookup."""
import sys

from program_network import Failed, check, test_main

COMPUTERS = {'ALICE-PC': 'alice', 'BOB-PC': 'bob', 'CAROL-PC': 'carol'}
QUIET = {'AutoScan': 0, 'MovetoTrayAtStartup': 0}
RUNS_MESSENGER = 0x100


def scan_states(alice, *names):
    """The scan's figures and each name's state (-1: not listed), from A's main window."""
    code, text = alice.drive('scan', *names)
    if code != 0:
        raise Failed('the scan query failed: ' + text)
    figures, states = {}, {}
    for line in text.splitlines():
        words = line.split()
        if words[0] == 'scan':
            figures = dict(word.split('=') for word in words[1:])
        elif words[0] == 'state':
            states[words[1]] = int(words[2])
    return figures, states


def scan_lists_the_network(alice, bob, carol):
    for computer in (bob, carol):
        computer.write_ini({'GENERAL': QUIET})
        computer.start_program()
    check(carol.value('away', 'In a meeting', word='tray').endswith('(Auto-Reply mode)'), 'C is in Auto-Reply mode')

    alice.write_ini({'GENERAL': {'AutoScan': 1, 'MovetoTrayAtStartup': 0}})
    alice.launch_program()
    scan = alice.values('wait-scan', 30000, timeout=60)
    print('scan time: the first scan of %s computers ended %s ms after A was started' %
          (scan['scan'].split()[0].split('=')[1], scan['waited']), flush=True)
    alice.wait_for_names()
    figures, states = scan_states(alice, 'BOB-PC', 'BOB', 'CAROL-PC', 'CAROL', 'ALICE-PC', 'NOBODY')
    check(figures == {'computers': '3', 'users': '3', 'running': '0'}, 'A scanned 3 computers with 3 users', figures)
    check(states['BOB-PC'] == 1 | RUNS_MESSENGER, 'B is on line and runs the messenger', states)
    check(states['BOB'] == 1 | RUNS_MESSENGER, "B's logged-on user is listed, on line at B", states)
    check(states['CAROL-PC'] == 2 | RUNS_MESSENGER and states['CAROL'] == 2 | RUNS_MESSENGER,
          'C and its user are in Auto-Reply mode',
          states)
    check(states['ALICE-PC'] & 0xFF == 1 and states['NOBODY'] == -1, 'A lists itself and no NOBODY', states)


def details_of_a_message_from_b(alice, bob):
    # B's program holds its UDP ports; no need for its orderly exit here.
    bob.stop_program(graceful=False)
    check(bob.write_datagrams(('ALICE-PC', 'ALICE-PC', 'who is this?')), 'B writes to A')
    check(alice.wait_for_messages(1), 'A shows the message')
    bob.start_program()
    details = alice.values('details', timeout=60)
    _, mac = bob.host('cat', '/sys/class/net/eth0/address')
    expected = {'computer': 'Bob-pc', 'user': 'Bob', 'workgroup': 'WORKGROUP', 'mac': mac.strip().replace(':', ''),
                'ip': bob.address}
    check(details == expected, "F3 shows B's computer, user, workgroup, MAC and IP address", details)


def workgroup_messages_ignored(alice, bob):
    bob.stop_program(graceful=False)
    alice.stop_program(graceful=False)
    alice.write_ini({'GENERAL': QUIET, 'IGNORE LIST': {'IgnorWorkgroup': 1}})
    alice.start_program()
    check(bob.write_datagrams(('WORKGROUP', 'WORKGROUP', 'to everybody'), ('ALICE-PC', 'ALICE-PC', 'to alice only')),
          'B writes to the workgroup, then to A')
    check(alice.wait_for_messages(1), 'A shows a message')
    check(alice.messages() == [(False, 'Message from Bob to Alice-pc', 'to alice only')],
          'with IgnorWorkgroup only the message to A is shown', alice.messages())


def body(network):
    alice, bob, carol = network['ALICE-PC'], network['BOB-PC'], network['CAROL-PC']
    scan_lists_the_network(alice, bob, carol)
    details_of_a_message_from_b(alice, bob)
    workgroup_messages_ignored(alice, bob)


if __name__ == '__main__':
    sys.exit(test_main(COMPUTERS, body))
