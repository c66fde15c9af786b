#!/usr/bin/env python3
"""Writes the seed corpus of netbios_answers_fuzz into corpus/netbios_answers_fuzz/.

Each seed is a selector byte (0: adapter-status answer, 1: find-name answer) followed by an
answer laid out as the Netbios() interface fills it: a 60-byte adapter status header (MAC at 0,
name count at 58) and 18-byte name entries, or a 4-byte find-name header (node count at 0) and
33-byte entries (source address at 9)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def name(text, suffix, flags, number=1):
    return text.ljust(15).encode('ascii') + bytes([suffix, number, flags])


def adapter_status(names, announced=None):
    header = bytearray(60)
    header[0:6] = bytes([0x00, 0x0C, 0x29, 0xAB, 0xCD, 0x07])
    struct.pack_into('<H', header, 58, len(names) if announced is None else announced)
    return bytes([0]) + bytes(header) + b''.join(names)


def find_name(nodes, entries):
    out = struct.pack('<HBB', nodes, 0, 0)
    for last in entries:
        entry = bytearray(33)
        entry[0] = 14
        entry[9:15] = bytes([0, 0, 192, 168, 1, last])
        out += bytes(entry)
    return bytes([1]) + out


SEEDS = {
    'workstation': adapter_status([name('PC7', 0x00, 0x04), name('OFFICE', 0x00, 0x84),
                                   name('PC7', 0x03, 0x04), name('JSMITH', 0x03, 0x04),
                                   name('PC7', 0x20, 0x04)]),
    'auto_reply': adapter_status([name('PC2', 0x03, 0x04), name('AUTOANSWERMODE', 0x11, 0x84)]),
    'full_table': adapter_status([name('N%02d' % i, 0x03, 0x04) for i in range(20)]),
    'overannounced': adapter_status([name('PC1', 0x03, 0x04)], announced=0xFFFF),
    'header_only': adapter_status([]),
    'one_node': find_name(1, [7]),
    'two_nodes': find_name(2, [7, 8]),
    'no_node': find_name(0, [7]),
}


def main():
    out_dir = os.path.join(HERE, 'corpus', 'netbios_answers_fuzz')
    os.makedirs(out_dir, exist_ok=True)
    for seed, data in SEEDS.items():
        with open(os.path.join(out_dir, seed), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
