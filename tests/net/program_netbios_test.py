#!/usr/bin/env python3
"""The real program's NetBIOS between two computers (ALICE-PC and BOB-PC, users alice and bob):
Samba's nmblookup on B finds A's names by broadcast and reads its node status, with
AUTOANSWERMODE<11> only while A is in Auto-Reply mode; datagrams B writes to A's user name, to the
workgroup, to "*" and a 650-character message in pieces are shown by A; two copies of the program
exchange messages both ways with "kivetsec.exe /s".

  program_netbios_test.py --bin BUILD/win/bin

Exits 0 when every check passes, 1 on a failure, 77 (skipped) without root, Wine, Xvfb or
nmblookup."""
import re
import sys
import time

from program_network import check, long_text, test_main

COMPUTERS = {'ALICE-PC': 'alice', 'BOB-PC': 'bob'}
SETTINGS = {'GENERAL': {'AutoScan': 0, 'MovetoTrayAtStartup': 0}}


def node_status(bob, address):
    return bob.host('nmblookup', '-A', address)[1]


def status_when(bob, address, wanted, seconds=6):
    """A's node status once `wanted(status)` holds, or the last one after `seconds`: Auto-Reply
    mode registers and releases its name on a thread of its own, which takes a few broadcasts."""
    deadline = time.monotonic() + seconds
    while True:
        status = node_status(bob, address)
        if wanted(status) or time.monotonic() > deadline:
            return status
        time.sleep(0.25)


def lists_name(status, name, suffix, group):
    kind = '<GROUP>' if group else ' '
    return re.search(r'^\s*%s\s+<%s> -\s+%s\s*B <ACTIVE>' % (re.escape(name), suffix, kind), status, re.M) is not None


def names_by_broadcast(network, alice, bob):
    broadcast = network.broadcast()
    for asked, shown in (('ALICE-PC', 'ALICE-PC<00>'), ('ALICE#03', 'ALICE<03>'), ('WORKGROUP#1e', 'WORKGROUP<1e>')):
        _, text = bob.host('nmblookup', '-B', broadcast, asked)
        check(re.search(r'^%s %s$' % (re.escape(alice.address), re.escape(shown)), text, re.M) is not None,
              'nmblookup on B resolves %s at A by broadcast' % shown, text)
    _, text = bob.host('nmblookup', '-B', broadcast, 'NOBODY')
    check('name_query failed' in text, 'nmblookup finds no NOBODY', text)


def node_status_follows_auto_reply_mode(alice, bob):
    status = node_status(bob, alice.address)
    for name, suffix, group in (('ALICE-PC', '00', False), ('ALICE-PC', '03', False), ('ALICE', '03', False),
                                ('WORKGROUP', '00', True), ('WORKGROUP', '1e', True)):
        check(lists_name(status, name, suffix, group), "A's node status lists %s<%s>" % (name, suffix), status)
    check('AUTOANSWERMODE' not in status, 'no AUTOANSWERMODE<11> while A is present', status)

    check(alice.value('away', 'Back at three', word='tray').endswith('(Auto-Reply mode)'), 'A enters Auto-Reply mode')
    status = status_when(bob, alice.address, lambda text: lists_name(text, 'AUTOANSWERMODE', '11', True))
    check(lists_name(status, 'AUTOANSWERMODE', '11', True), 'AUTOANSWERMODE<11> listed while A is away', status)
    check(not alice.value('back', word='tray').endswith('(Auto-Reply mode)'), 'A leaves Auto-Reply mode')
    status = status_when(bob, alice.address, lambda text: 'AUTOANSWERMODE' not in text)
    check('AUTOANSWERMODE' not in status and lists_name(status, 'ALICE', '03', False),
          'AUTOANSWERMODE<11> gone once A is back, its other names kept', status)


def datagrams_from_b(alice, bob):
    sent = [('ALICE', 'ALICE', 'to the user'), ('WORKGROUP', 'WORKGROUP', 'to the workgroup'),
            ('*', 'ALICE', 'to the primary domain'), ('ALICE-PC', 'ALICE-PC', long_text(650))]
    check(bob.write_datagrams(*sent), "B writes to A's user, the workgroup, * and (in 3 pieces) to A's computer")
    check(alice.wait_for_messages(4), 'A counts four messages')
    shown = alice.messages()
    check([text for _, _, text in shown] == [text for _, _, text in sent],
          'A shows the texts in order, the 650 characters joined whole', shown)
    check([header for _, header, _ in shown] ==
          ['Message from Bob to Alice', 'Message from Bob to Workgroup', 'Message from Bob to Alice',
           'Message from Bob to Alice-pc'], 'each from Bob to the recipient written', shown)


def send_mode_both_ways(alice, bob):
    code, _ = bob.send_mode('ALICE-PC', 'from bob by send mode')
    check(code == 0, 'kivetsec /s ALICE-PC on B exits 0')
    check(alice.wait_for_messages(5), 'A counts the message from B')
    check(alice.messages()[-1][1:] == ('Message from Bob to Alice-pc', 'from bob by send mode'), 'A shows it',
          alice.messages()[-1])

    alice.stop_program()
    bob.write_ini(SETTINGS)
    bob.start_program()
    code, _ = alice.send_mode('BOB-PC', 'from alice by send mode')
    check(code == 0, 'kivetsec /s BOB-PC on A exits 0')
    check(bob.wait_for_messages(1), 'B counts the message from A')
    check(bob.messages() == [(False, 'Message from Alice to Bob-pc', 'from alice by send mode')], 'B shows it',
          bob.messages())


def body(network):
    alice, bob = network['ALICE-PC'], network['BOB-PC']
    alice.write_ini(SETTINGS)
    alice.start_program()
    names_by_broadcast(network, alice, bob)
    node_status_follows_auto_reply_mode(alice, bob)
    datagrams_from_b(alice, bob)
    send_mode_both_ways(alice, bob)


if __name__ == '__main__':
    sys.exit(test_main(COMPUTERS, body))
