#!/usr/bin/env python3
"""The real program on ALICE-PC with a WINS server set (the "WinsServer" value of its registry
key), and a name server on NAME-SRV that answers every registration sent to it: A registers its
names with the server, directly and without broadcasting them, and says so in its action log.
With a value that is no address, A says so and registers its names by broadcast.

  program_wins_test.py --bin BUILD/win/bin

Exits 0 when every check passes, 1 on a failure, 77 (skipped) without root, Wine, Xvfb or
nmblookup."""
import sys
import time

from program_network import check, test_main

COMPUTERS = {'ALICE-PC': 'alice', 'NAME-SRV': 'server'}
QUIET = {'GENERAL': {'AutoScan': 0, 'MovetoTrayAtStartup': 0}}

# A name server on UDP 137: prints each request it receives ("request OPCODE NAME<SUFFIX>
# broadcast|direct SENDER") and answers a registration sent to it directly with a positive
# answer for the name and address asked for, as a WINS server that accepts everything does.
NAME_SERVER = r'''
import socket, struct, sys, time
server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
server.bind(('', 137))
server.settimeout(0.2)
print('listening', flush=True)
deadline = time.monotonic() + float(sys.argv[1])
while time.monotonic() < deadline:
    try:
        data, sender = server.recvfrom(2048)
    except socket.timeout:
        continue
    if len(data) < 50 or data[12] != 0x20:
        continue
    ident, flags = struct.unpack('>HH', data[:4])
    if flags & 0x8000:
        continue
    opcode, broadcast = flags >> 11 & 0xF, bool(flags & 0x0010)
    encoded = data[13:45]
    raw = bytes((encoded[i] - 65) << 4 | (encoded[i + 1] - 65) for i in range(0, 32, 2))
    name = '%s<%02x>' % (raw[:15].decode('latin-1').rstrip(), raw[15])
    print('request', opcode, name, 'broadcast' if broadcast else 'direct', sender[0], flush=True)
    if opcode == 5 and not broadcast and len(data) >= 68:
        answer = struct.pack('>HHHHHH', ident, 0x8000 | 5 << 11 | 0x0580, 0, 1, 0, 0)
        answer += data[12:46] + struct.pack('>HHIH', 0x20, 1, 300000, 6) + data[62:68]
        server.sendto(answer, sender)
'''
SERVER_SECONDS = 120


def requests(output):
    """The registrations the server received: (name, 'broadcast' or 'direct', sender)."""
    with open(output, errors='replace') as f:
        lines = [line.split() for line in f.read().splitlines()]
    return [(words[2], words[3], words[4]) for words in lines if len(words) == 5 and words[:2] == ['request', '5']]


def wait_for_listening(output, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        with open(output, errors='replace') as f:
            if 'listening' in f.read():
                return True
        time.sleep(0.1)
    return False


def registered_with_the_server(alice, server, output):
    alice.set_registry_string('', 'WinsServer', server.address)
    alice.start_program()
    check('NetBIOS over TCP/IP asks the WINS server %s first' % server.address in alice.log_actions(),
          "A's log names the WINS server", alice.log_actions()[:12])
    seen = requests(output)
    for name in ('ALICE-PC<00>', 'ALICE<03>'):
        check((name, 'direct', alice.address) in seen, 'A registers %s with the server directly' % name, seen)
        check((name, 'broadcast', alice.address) not in seen,
              'the server accepted %s, so A does not broadcast it' % name, seen)
    alice.stop_program(graceful=False)


def a_value_that_is_no_address(alice, server, output):
    before = len(requests(output))
    alice.set_registry_string('', 'WinsServer', '100.100.100.1001')
    alice.start_program()
    check('NetBIOS over TCP/IP: the WINS server value is not an IPv4 address; broadcast only' in alice.log_actions(),
          "A's log says the value is not an address", alice.log_actions()[:12])
    seen = requests(output)[before:]
    check(('ALICE-PC<00>', 'broadcast', alice.address) in seen and
          not any(kind == 'direct' for _, kind, _ in seen),
          'A registers its names by broadcast only', seen)


def body(network):
    alice, server = network['ALICE-PC'], network['NAME-SRV']
    _, output = server.spawn_host('/usr/bin/python3', '-c', NAME_SERVER, SERVER_SECONDS)
    check(wait_for_listening(output), 'the name server listens on NAME-SRV')
    alice.write_ini(QUIET)
    registered_with_the_server(alice, server, output)
    a_value_that_is_no_address(alice, server, output)


if __name__ == '__main__':
    sys.exit(test_main(COMPUTERS, body))
