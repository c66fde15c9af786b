#!/usr/bin/env python3
"""Writes the seed corpus of the NetBIOS fuzz targets into corpus/<target>/, laid out by hand
from RFC 1002 and the Remote Mailslot Protocol. The datagram target reads the framing of
fuzz_input.h (a settings byte, then 16-bit little-endian lengths and bytes)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def name(text, suffix, scope=b''):
    raw = text.upper().ljust(15, b' ')[:15] + bytes([suffix])
    encoded = bytes(b for c in raw for b in (0x41 + (c >> 4), 0x41 + (c & 0x0F)))
    labels = b''.join(bytes([len(label)]) + label for label in scope.split(b'.') if label)
    return b'\x20' + encoded + labels + b'\0'


def wildcard():
    raw = b'*' + bytes(15)
    return b'\x20' + bytes(b for c in raw for b in (0x41 + (c >> 4), 0x41 + (c & 0x0F))) + b'\0'


def ns(tid, flags, questions=(), answers=(), additional=()):
    out = struct.pack('>HHHHHH', tid, flags, len(questions), len(answers), 0, len(additional))
    for q in questions:
        out += q
    for r in list(answers) + list(additional):
        out += r
    return out


def question(n, qtype=0x20):
    return n + struct.pack('>HH', qtype, 1)


def record(n, data, rtype=0x20, ttl=300000):
    return n + struct.pack('>HHIH', rtype, 1, ttl, len(data)) + data


def mailslot(slot, data):
    slot += b'\0'
    offset = 32 + 1 + 34 + 2 + len(slot)
    return (b'\xffSMB\x25' + bytes(27) +
            struct.pack('<BHHHHBBHIHHHHHBBHHH', 17, 0, len(data), 0, 0, 0, 0, 0, 0, 0, 0, 0, len(data), offset, 3, 0,
                        1, 1, 2) + struct.pack('<H', len(slot) + len(data)) + slot + data)


def datagram(dtype, flags, tid, source, dest, data, offset=0):
    body = source + dest + data
    return struct.pack('>BBHIHHH', dtype, flags, tid, 0xC0A80A02, 138, len(body), offset) + body


def frame(datagrams):
    out = b'\0'
    for d in datagrams:
        out += struct.pack('<H', len(d)) + d
    return out


message = mailslot(b'\\MAILSLOT\\messngr', b'Bob\0Jsmith\0hello\0PC-BOB\0\0\0')
long_message = mailslot(b'\\MAILSLOT\\kivet\\group', b'x' * 900)

SEEDS = {
    'name_service_packet_fuzz': [
        ns(0x1234, 0x0110, [question(name(b'PC-07', 0x00))]),
        ns(0x1235, 0x0000, [question(wildcard(), 0x21)]),
        ns(0x1236, 0x2910, [question(name(b'JSMITH', 0x03))], additional=[b'\xc0\x0c' + struct.pack(
            '>HHIH', 0x20, 1, 300000, 6) + struct.pack('>HI', 0, 0xC0A80A02)]),
        ns(0x0002, 0x8500, answers=[record(name(b'PC-BOB', 0x03), struct.pack('>HI', 0, 0xC0A80A02))]),
        ns(0x0003, 0x8400, answers=[record(wildcard(), bytes([2]) + name(b'PC-BOB', 0)[1:17] + b'\x04\x00' +
                                           b'OFFICE         \x00\x84\x00' + bytes(46), 0x21, 0)]),
        ns(0x0004, 0xB800, answers=[record(name(b'PC-07', 0x00), b'\x29\x10', ttl=5)]),
        ns(0x1237, 0x0110, [question(name(b'PC-07', 0x00, b'NETBIOS.COM'))]),
        ns(0x1238, 0xAD87, answers=[record(name(b'PC-07', 0x00), struct.pack('>HI', 0, 0xC0A80A02), ttl=0)]),
    ],
    'datagram_packet_fuzz': [
        frame([datagram(0x10, 0x02, 1, name(b'PC-BOB', 0), name(b'JSMITH', 3), message)]),
        frame([datagram(0x11, 0x03, 2, name(b'PC-BOB', 0), name(b'OFFICE', 0), long_message[:512]),
               datagram(0x11, 0x00, 2, name(b'PC-BOB', 0), name(b'OFFICE', 0), long_message[512:], 512)]),
        frame([datagram(0x12, 0x02, 3, name(b'PC-BOB', 0), wildcard(), message),
               struct.pack('>BBHIHB', 0x13, 0x02, 4, 0xC0A80A02, 138, 0x82),
               datagram(0x10, 0x02, 5, name(b'PC-BOB', 0), name(b'STRANGER', 3), message)]),
        frame([datagram(0x10, 0x02, 6, name(b'PC-BOB', 0), name(b'JSMITH', 3),
                        mailslot(b'\\MAILSLOT\\..\\..\\x', b'escape'))]),
    ],
    'mailslot_transaction_fuzz': [
        message,
        long_message,
        mailslot(b'\\MAILSLOT\\kivet\\autoanswer', bytes(292)),
    ],
}

for target, seeds in SEEDS.items():
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    for number, seed in enumerate(seeds, 1):
        with open(os.path.join(folder, 'seed_%02d' % number), 'wb') as f:
            f.write(seed)
