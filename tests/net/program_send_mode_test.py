#!/usr/bin/env python3
"""Send mode of the real program ("kivetsec.exe /s NAMES TEXT") on ALICE-PC, with the program
running on BOB-PC and CAROL-PC (users alice, bob, carol): a message to a computer, to a computer
and a user at once, to a name nobody holds, one of 650 characters (of which the command line
carries 254), and one to a computer the host resolver on A does not know. Each send exits 0; what arrives is read from the receivers' windows.

  program_send_mode_test.py --bin BUILD/win/bin

Exits 0 when every check passes, 1 on a failure, 77 (skipped) without root, Wine, Xvfb or
nmblookup."""
import sys

from program_network import check, long_text, test_main

COMPUTERS = {'ALICE-PC': 'alice', 'BOB-PC': 'bob', 'CAROL-PC': 'carol'}
QUIET = {'GENERAL': {'AutoScan': 0, 'MovetoTrayAtStartup': 0}}


def send(alice, names, text):
    code, seconds = alice.send_mode(names, text)
    check(code == 0, 'kivetsec /s %s exits 0 (%.1f s)' % (names, seconds))


def texts(computer):
    return [text for _, _, text in computer.messages()]


def body(network):
    alice, bob, carol = network['ALICE-PC'], network['BOB-PC'], network['CAROL-PC']
    for computer in (bob, carol):
        computer.write_ini(QUIET)
        computer.start_program()

    send(alice, 'BOB-PC', 'hello')
    check(bob.wait_for_messages(1), 'B counts a message')
    check(bob.messages() == [(False, 'Message from Alice to Bob-pc', 'hello')], 'B shows hello from Alice',
          bob.messages())

    send(alice, 'BOB-PC,CAROL', 'hi both')
    check(bob.wait_for_messages(2) and carol.wait_for_messages(1), 'B and C count the message')
    check(texts(bob) == ['hello', 'hi both'] and texts(carol) == ['hi both'], 'both show it', (texts(bob),
                                                                                              texts(carol)))

    send(alice, 'NOSUCHPC', 'for nobody')
    text = long_text(650)
    send(alice, 'BOB-PC', text)
    check(bob.wait_for_messages(3), 'B counts the long message')
    # The command line holds 254 characters of text: that much arrives, intact, in one message.
    check(texts(bob) == ['hello', 'hi both', text[:254]], 'the first 254 of 650 characters arrive, nothing for NOSUCHPC',
          texts(bob))

    # Without a host name for C's address A asks C's node status by the address itself.
    network.hosts('ALICE-PC', 'BOB-PC')
    send(alice, 'CAROL-PC', 'no host name')
    check(carol.wait_for_messages(2), 'C counts a second message')
    check(texts(carol) == ['hi both', 'no host name'], 'C shows the message A sent without its host name',
          texts(carol))


if __name__ == '__main__':
    sys.exit(test_main(COMPUTERS, body))
