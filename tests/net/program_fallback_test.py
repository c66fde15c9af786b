#!/usr/bin/env python3
"""The send dialog's ways back to a plain message, on ALICE-PC (user alice) sending to BOB-PC
(user bob), where the program does not run: B's names are answered by our NetBIOS alone
(nbt_peer.exe, which prints what arrives in B's \\mailslot\\messngr).
- No secure messenger on B: A asks "Sending non secure message"; Yes with "Do not show this
  message again" ticked sends the message plain, and the next one goes plain without asking;
  after A restarts it asks again, and No sends nothing.
- A listener on B's port 19803 that accepts and never answers: after about 15 seconds A asks
  "Error occured while sending secure message..."; No sends nothing.

  program_fallback_test.py --bin BUILD/win/bin

Exits 0 when every check passes, 1 on a failure, 77 (skipped) without root, Wine, Xvfb or
nmblookup."""
import os
import sys
import time

from program_network import check, test_main

COMPUTERS = {'ALICE-PC': 'alice', 'BOB-PC': 'bob'}
QUIET = {'GENERAL': {'AutoScan': 0, 'MovetoTrayAtStartup': 0}}
SENT_TO_BOB = 'The message to computer Bob-pc (logged user Bob) has been successfully sent.'
NOT_SECURE = ('Kivet Secure Messenger detected non secure messenger on remote computer and unable encrypt the '
              'message.\nDo you wish to send non encrypted message?')
SECURE_FAILED = 'Error occured while sending secure message.\nDo you wish to send non secure message?'
KEY_WAIT = 15 # seconds the secure sender waits for the key

# Accepts connections on the secure port and holds them without a word, until the file named
# by its argument exists (at most 90 s).
SILENT_LISTENER = r'''
import os, socket, sys, time
server = socket.socket()
server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
server.bind(('', 19803))
server.listen(8)
server.settimeout(0.2)
print('listening', flush=True)
held = []
deadline = time.monotonic() + 90
while time.monotonic() < deadline and not os.path.exists(sys.argv[1]):
    try:
        connection, address = server.accept()
        held.append(connection)
        print('accepted', address[0], flush=True)
    except socket.timeout:
        pass
'''


def read(path):
    with open(path, errors='replace') as f:
        return f.read()


def wait_for_line(path, word, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if any(line.startswith(word) for line in read(path).splitlines()):
            return True
        time.sleep(0.1)
    return False


def arrived(peer_output):
    """The texts of the messages B's \\mailslot\\messngr received ("USER\\0recipient\\0text...")."""
    prefix = 'received messngr '
    return [line[len(prefix):].split('|')[2] for line in read(peer_output).splitlines() if line.startswith(prefix)]


def wait_for_arrivals(peer_output, count, seconds=10):
    deadline = time.monotonic() + seconds
    while len(arrived(peer_output)) < count and time.monotonic() < deadline:
        time.sleep(0.1)
    return arrived(peer_output)


def asked(sent):
    return [(kind, text) for kind, _, text in sent.asked]


def no_secure_messenger(alice, peer_output):
    sent = alice.send('BOB-PC', 'sent in the clear', 'yes-tick')
    check(sent.finished and asked(sent) == [('non-secure', NOT_SECURE), ('box', SENT_TO_BOB)],
          'A asks whether to send without encryption, then reports the message sent', sent)
    check(wait_for_arrivals(peer_output, 1) == ['sent in the clear'], 'B receives the message plain',
          read(peer_output))
    sent = alice.send('BOB-PC', 'again without asking')
    check(sent.finished and asked(sent) == [('box', SENT_TO_BOB)], 'the next send to B does not ask again', sent)
    check(wait_for_arrivals(peer_output, 2) == ['sent in the clear', 'again without asking'],
          'B receives it plain', read(peer_output))


def silent_secure_port(network, alice, bob, peer_output):
    stop = os.path.join(network.dir, 'listener.stop')
    listener, listener_output = bob.spawn_host('python3', '-c', SILENT_LISTENER, stop)
    check(wait_for_line(listener_output, 'listening', 15), "a silent listener holds B's port 19803",
          read(listener_output))
    sent = alice.send('BOB-PC', 'never sent', 'no')
    waited = sent.asked[0][1] if sent.asked else None
    check(sent.finished and asked(sent) == [('box', SECURE_FAILED)], 'A reports the failed secure send and asks',
          sent)
    check(KEY_WAIT - 1 <= waited <= KEY_WAIT + 10, 'after waiting about %d s for the key (%.1f s)' % (KEY_WAIT, waited))
    check(wait_for_line(listener_output, 'accepted', 1), 'the listener had accepted A', read(listener_output))
    open(stop, 'w').close()
    listener.wait(timeout=10)


def asked_again_after_restart(alice, peer_output):
    alice.stop_program(graceful=False)
    alice.start_program()
    sent = alice.send('BOB-PC', 'not this one', 'no')
    check(sent.finished and asked(sent) == [('non-secure', NOT_SECURE)], 'after a restart A asks again; No', sent)
    time.sleep(2)
    check(arrived(peer_output) == ['sent in the clear', 'again without asking'],
          'neither No sent anything', read(peer_output))


def body(network):
    alice, bob = network['ALICE-PC'], network['BOB-PC']
    _, peer_output = bob.spawn('nbt_peer.exe', 'BOB-PC', 'BOB', 'WORKGROUP', '--listen', 'messngr', '--for', 240)
    check(wait_for_line(peer_output, 'ready', 30), "B's names are answered by our NetBIOS alone", read(peer_output))
    alice.write_ini(QUIET)
    alice.start_program()
    no_secure_messenger(alice, peer_output)
    silent_secure_port(network, alice, bob, peer_output)
    asked_again_after_restart(alice, peer_output)


if __name__ == '__main__':
    sys.exit(test_main(COMPUTERS, body))
