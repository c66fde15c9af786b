#!/usr/bin/env python3
"""Writes the seed corpus of the transport fuzz targets into corpus/<target>/.

Each seed is in the form fuzz_input.h reads: one settings byte (bit 0 IgnorWorkgroup, 1
ActiveIgnorList, 2 LogHistory, 3 AutoReplyMode, 4 UseComputerName), then datagrams, each a
16-bit little-endian length followed by its bytes."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
AUTO_REPLY_MODE = 0x08
ALL_FILTERS = 0x01 | 0x02 | 0x04


def frame(settings, datagrams):
    out = bytes([settings])
    for d in datagrams:
        out += struct.pack('<H', len(d)) + d
    return out


def plain(sender, recipient, text, origin=None, flag=0):
    d = sender + b'\0' + recipient + b'\0' + text + b'\0'
    if origin is not None:
        d += origin + b'\0' + bytes([flag]) + b'\0'
    return d


def group(kind, name, text=b'', sender=b'Bob', computer=b'PC-BOB', target=b'OFFICE'):
    def field(value, width):
        return value[:width].ljust(width, b'\0')
    return (struct.pack('<I', kind) + field(name, 16) + field(target, 16) + field(computer, 16) +
            field(sender, 16) + field(text, 300))


def auto_reply(kind, computer, addressed_to, message=b''):
    return (struct.pack('<I', kind) + computer[:16].ljust(16, b'\0') + addressed_to[:16].ljust(16, b'\0') +
            message[:256].ljust(256, b'\0'))


SEEDS = {
    'plain_datagram_fuzz': [
        frame(0, [plain(b'Bob', b'Jsmith', b'hello', b'PC-BOB')]),
        frame(AUTO_REPLY_MODE, [plain(b'BOB', b'PC-07', b'Server going down'), plain(b'A', b'B', b'x\x01y')[:-1]]),
        frame(AUTO_REPLY_MODE | 0x04, [plain(b'Bob', b'Jsmith', b'a' * 300, b'PC-BOB', 2),
                                       plain(b'Bob', b'Jsmith', b'a' * 300, b'PC-BOB', 2),
                                       plain(b'Bob', b'Jsmith', b'end', b'PC-BOB', 2)]),
        frame(ALL_FILTERS, [plain(b'Alice', b'Jsmith', b'one', b'PC-A'), plain(b'Mallory', b'*', b'spam', b'PC-M'),
                            plain(b'Alice', b'OFFICE', b'all', b'PC-A')]),
        frame(AUTO_REPLY_MODE, [plain(b'Bob (AUTO-REPLY)', b'Pc-07', b'away', b'PC-BOB', 1),
                                plain(b'Alice', b'Jsmith', b'hi\x8e\x82')]),
    ],
    'group_datagram_fuzz': [
        frame(0x04, [group(0, b'@Sales', b'meeting at 3')]),
        frame(0, [group(0, b'@KIVETFAKEGROUP'), group(1, b'@Sales', sender=b'Alice', computer=b'PC-A')]),
        frame(0, [group(0, b'@Finance', b'not ours'), group(0, b'@Sales', b'twice'), group(0, b'@Sales', b'twice')]),
        frame(0, [b'A' * 368]),
    ],
    'auto_reply_datagram_fuzz': [
        frame(AUTO_REPLY_MODE, [auto_reply(0, b'PC-BOB', b'PC-07')]),
        frame(0, [auto_reply(1, b'PC-BOB', b'PC-07', b'Gone fishing'), auto_reply(1, b'PC-A', b'PC-07', b'later')]),
        frame(AUTO_REPLY_MODE, [auto_reply(0, b'', b'PC-07'), b'\1\0\0', b'A' * 292]),
    ],
}

for target, seeds in SEEDS.items():
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    for number, seed in enumerate(seeds, 1):
        with open(os.path.join(folder, 'seed_%02d' % number), 'wb') as f:
            f.write(seed)
