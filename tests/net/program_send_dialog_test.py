#!/usr/bin/env python3
"""The send dialog of the real program on ALICE-PC, with the program running on BOB-PC and
CAROL-PC (users alice, bob, carol; all three in the Network Group @TEAM): a message to B's
computer arrives enciphered and a second one runs an exchange of its own; "BOB-PC,CAROL-PC"
reaches both with one results dialog and no question; a message to @TEAM is stored by B and C,
whose receipts fill A's results dialog; 650 characters to the workgroup go in pieces and arrive
whole at B and C; with C in Auto-Reply mode, A's Refresh shows C in that
mode and Read Auto-Reply message on C in the names tree shows C's text.

  program_send_dialog_test.py --bin BUILD/win/bin

Exits 0 when every check passes, 1 on a failure, 77 (skipped) without root, Wine, Xvfb or
nmblookup."""
import sys

from program_network import check, long_text, test_main

COMPUTERS = {'ALICE-PC': 'alice', 'BOB-PC': 'bob', 'CAROL-PC': 'carol'}
QUIET = {'GENERAL': {'AutoScan': 0, 'MovetoTrayAtStartup': 0}}
GROUP = '@TEAM'
AUTO_REPLY_MODE = 2
RUNS_MESSENGER = 0x100
SENT_TO_BOB = 'The message to computer Bob-pc (logged user Bob) has been successfully sent.'


def exchanges(computer):
    """How many key requests the computer answered, and the keys they agreed."""
    actions = computer.log_actions()
    keys = [actions[i + 1] for i, action in enumerate(actions[:-1]) if action == 'RECEIVER: The final key is:']
    return actions.count('RECEIVER: SECURE_STATUS_REQUEST received.'), keys


def to_one_computer(alice, bob):
    sent = alice.send('BOB-PC', 'typed in the send dialog')
    check(sent.finished and [(kind, text) for kind, _, text in sent.asked] == [('box', SENT_TO_BOB)]
          and sent.results is None, "A's send to BOB-PC ends with the success message only", sent)
    check(bob.wait_for_messages(1), 'B counts the message')
    check(bob.messages() == [(True, 'Message from Alice to Bob-pc', 'typed in the send dialog')],
          'B shows it from Alice, with the padlock', bob.messages())

    sent = alice.send('BOB-PC', 'a second one')
    check(sent.finished and len(sent.asked) == 1, 'the second send ends with the success message only', sent)
    check(bob.wait_for_messages(2), 'B counts the second message')
    requests, keys = exchanges(bob)
    check(requests == 2 and len(keys) == 2 and keys[0] != keys[1], 'each message ran an exchange of its own',
          (requests, keys))
    check(bob.messages()[1] == (True, 'Message from Alice to Bob-pc', 'a second one'), 'B shows the second one',
          bob.messages())


def to_two_computers(alice, bob, carol):
    sent = alice.send('BOB-PC,CAROL-PC', 'for you both')
    check(sent.finished and sent.asked == [], 'a comma-separated send asks nothing and shows no box', sent)
    check(sent.results == 'The message has been received on 2 computers:' and
          sorted(sent.rows) == ['Bob|Bob-pc', 'Carol|Carol-pc'] and
          sent.footer == 'The message to the multiple recipients has been successfully sent.',
          'one results dialog lists B and C', sent)
    check(bob.wait_for_messages(3) and carol.wait_for_messages(1), 'B and C count the message')
    check(bob.messages()[2] == (True, 'Message from Alice to Bob-pc', 'for you both') and
          carol.messages() == [(True, 'Message from Alice to Carol-pc', 'for you both')],
          'both show it enciphered', (bob.messages(), carol.messages()))


def to_the_group(alice, bob, carol):
    sent = alice.send(GROUP, 'team meeting at ten')
    check(sent.finished and sent.asked == [], 'the group send asks nothing', sent)
    check({'Bob|Bob-pc', 'Carol|Carol-pc'} <= set(sent.rows) and
          sent.footer == 'The message to Group %s has been successfully sent.' % GROUP,
          "B's and C's receipts are in A's results dialog", sent)
    check(sent.results == 'The message has been received on %d computers:' % len(sent.rows),
          'its headline counts the rows', sent)
    check(bob.wait_for_messages(4) and carol.wait_for_messages(2), 'B and C count the group message')
    check(bob.messages()[3][1:] == ('Message from Alice to %s' % GROUP, 'team meeting at ten') and
          carol.messages()[1][1:] == ('Message from Alice to %s' % GROUP, 'team meeting at ten'),
          'both store it as a message to the group', (bob.messages(), carol.messages()))


def to_the_workgroup_in_pieces(alice, bob, carol):
    text = long_text(650)
    sent = alice.send('WORKGROUP', text)
    check(sent.finished and [kind for kind, _, _ in sent.asked] == ['box'] and
          sent.asked[0][2].startswith('The message to domain ') and sent.results is None,
          'the workgroup send ends with the domain message only', sent)
    check(bob.wait_for_messages(5) and carol.wait_for_messages(3), 'B and C count the workgroup message')
    check(bob.messages()[4] == (False, 'Message from Alice to Workgroup', text) and
          carol.messages()[2] == (False, 'Message from Alice to Workgroup', text),
          'both show all 650 characters as one plain message', (bob.messages()[4:], carol.messages()[2:]))


def auto_reply_read_from_the_tree(alice, carol):
    check(carol.value('away', 'Back on Monday', word='tray').endswith('(Auto-Reply mode)'),
          'C enters Auto-Reply mode')
    alice.value('refresh', word='scan')
    state = int(alice.value('scan', 'CAROL-PC', word='state').split()[1])
    check(state == AUTO_REPLY_MODE | RUNS_MESSENGER, "A's scan shows C in Auto-Reply mode", 'state %#x' % state)
    read = alice.values('read-auto-reply', 'Carol-pc')
    check(read.get('enabled') == '1' and read.get('reply') == 'Back on Monday',
          "Read Auto-Reply message on C in A's names tree shows C's text", read)


def body(network):
    alice, bob, carol = network['ALICE-PC'], network['BOB-PC'], network['CAROL-PC']
    for computer in (bob, carol, alice):
        computer.write_ini(QUIET)
        computer.add_to_list('NetworkGroups', GROUP)
        computer.start_program()
    to_one_computer(alice, bob)
    to_two_computers(alice, bob, carol)
    to_the_group(alice, bob, carol)
    to_the_workgroup_in_pieces(alice, bob, carol)
    auto_reply_read_from_the_tree(alice, carol)


if __name__ == '__main__':
    sys.exit(test_main(COMPUTERS, body))
