#!/usr/bin/env python3
"""The secure exchange with the real program receiving: the program runs on BOB-PC (user bob) with
CAROL on its active Ignore List; ALICE-PC and CAROL-PC (users alice, carol) send with the
program's own secure session and the real Secure.dll (secure_exchange_peer.exe). B shows each
message from A with the padlock and its text, runs a new key exchange for every message, and
stores nothing from C.

  program_secure_test.py --bin BUILD/win/bin

Exits 0 when every check passes, 1 on a failure, 77 (skipped) without root, Wine, Xvfb or
nmblookup."""
import sys

from program_network import check, test_main

COMPUTERS = {'ALICE-PC': 'alice', 'BOB-PC': 'bob', 'CAROL-PC': 'carol'}
SENT = 0 # the secure sender's result for a message sent enciphered


def send_secure(sender, text):
    code, output = sender.wine('secure_exchange_peer.exe', 'send', 'BOB-PC', text, timeout=90)
    check(code == SENT, '%s sends "%s" securely (result %s)' % (sender.name, text, code), output)


def exchanges(bob):
    """For each secure message B received: the key line its exchange agreed."""
    actions = bob.log_actions()
    keys = []
    for i, action in enumerate(actions):
        if action == 'RECEIVER: The final key is:' and i + 1 < len(actions):
            keys.append(actions[i + 1])
    return actions.count('RECEIVER: SECURE_STATUS_REQUEST received.'), keys


def body(network):
    alice, bob, carol = network['ALICE-PC'], network['BOB-PC'], network['CAROL-PC']
    bob.write_ini({'GENERAL': {'AutoScan': 0, 'MovetoTrayAtStartup': 0}, 'IGNORE LIST': {'ActiveIgnorList': 1}})
    bob.add_to_list('IgnoreList', 'CAROL')
    bob.start_program()

    send_secure(alice, 'first secure message')
    check(bob.wait_for_messages(1), 'B counts the message')
    check(bob.value('header') == 'Message from Alice to Bob-pc', 'B shows it from Alice')
    check(bob.value('text') == 'first secure message', 'B shows its text')
    check(bob.value('padlock') == '1', 'B shows the padlock')

    send_secure(alice, 'second secure message')
    check(bob.wait_for_messages(2), 'B counts the second message')
    requests, keys = exchanges(bob)
    check(requests == 2 and len(keys) == 2 and keys[0] != keys[1], 'each message ran an exchange of its own',
          (requests, keys))

    send_secure(carol, 'from the ignored sender')
    send_secure(alice, 'third secure message')
    check(bob.wait_for_messages(3), 'B counts the third message')
    shown = bob.messages()
    check(shown == [(True, 'Message from Alice to Bob-pc', text)
                    for text in ('first secure message', 'second secure message', 'third secure message')],
          "B holds A's three messages, with the padlock, and nothing from C on its Ignore List", shown)


if __name__ == '__main__':
    sys.exit(test_main(COMPUTERS, body))
