#!/usr/bin/env python3
"""The other side of the network tests, in a computer without NetBIOS: scapy builds and
dissects the NetBIOS packets, plain UDP sockets carry them.

  nbt_scapy_peer.py talk A_ADDRESS BROADCAST   query, node status, a conflicting registration,
                                               and a mailslot datagram to ALICE<03>
  nbt_scapy_peer.py listen A_ADDRESS           waits for one datagram from A on UDP 138 and
                                               dissects it
Prints one line per check; exits 1 on the first failure."""
import socket
import struct
import sys

from scapy.layers.netbios import (NBNSHeader, NBNSNodeStatusRequest, NBNSNodeStatusResponse, NBNSQueryRequest,
                                  NBNSQueryResponse, NBNSRegistrationRequest, NBTDatagram)
from scapy.layers.smb import SMB_Header
from scapy.packet import Raw


def suffix(value):
    """scapy's SUFFIX field: the suffix byte in the first-level encoding."""
    return (0x41 + (value >> 4)) << 8 | (0x41 + (value & 0x0F))


def check(condition, what):
    print(('ok    ' if condition else 'FAIL  ') + 'scapy: ' + what, flush=True)
    if not condition:
        sys.exit(1)


def exchange(packet, address, broadcast=False, timeout=3.0):
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
        s.settimeout(timeout)
        s.sendto(bytes(packet), (address, 137))
        data, sender = s.recvfrom(4096)
        return NBNSHeader(data), sender


def mailslot_write(name, data):
    """SMB_COM_TRANSACTION with one mailslot write, laid out by hand from the Remote Mailslot
    Protocol: SMB header, 17 words (3 setup words: write, priority 1, class 2), byte count,
    name, data."""
    name = name + b'\0'
    data_offset = 32 + 1 + 17 * 2 + 2 + len(name)
    header = b'\xffSMB' + bytes([0x25]) + bytes(27)
    words = struct.pack('<BHHHHBBHIHHHHHBBHHH', 17, 0, len(data), 0, 0, 0, 0, 0, 0, 0, 0, 0, len(data),
                        data_offset, 3, 0, 1, 1, 2)
    return header + words + struct.pack('<H', len(name) + len(data)) + name + data


def talk(alice, broadcast):
    answer, sender = exchange(NBNSHeader(NAME_TRN_ID=0x1234, NM_FLAGS=0x11, QDCOUNT=1) /
                              NBNSQueryRequest(QUESTION_NAME='PC-ALICE', SUFFIX=suffix(0x00)), broadcast, True)
    check(answer.haslayer(NBNSQueryResponse) and answer.NAME_TRN_ID == 0x1234, 'name query answer dissects')
    response = answer[NBNSQueryResponse]
    check(response.RR_NAME.strip() == b'PC-ALICE' and response.ADDR_ENTRY[0].NB_ADDRESS == alice,
          'PC-ALICE<00> is at %s' % alice)

    answer, _ = exchange(NBNSHeader(NAME_TRN_ID=0x2345, QDCOUNT=1) / NBNSNodeStatusRequest(), alice)
    check(answer.haslayer(NBNSNodeStatusResponse), 'node status answer dissects')
    names = {(entry.NETBIOS_NAME.strip(), entry.SUFFIX): entry.NAME_FLAGS
             for entry in answer[NBNSNodeStatusResponse].NODE_NAME}
    check(names.get((b'PC-ALICE', 0x00)) == 0x04, 'PC-ALICE<00> unique and active')
    check(names.get((b'OFFICE', 0x00)) == 0x84, 'OFFICE<00> a group, active')
    check(names.get((b'AUTOANSWERMODE', 0x11)) == 0x84, 'AUTOANSWERMODE<11> while away')

    answer, _ = exchange(NBNSHeader(NAME_TRN_ID=0x3456, OPCODE=5, NM_FLAGS=0x11, QDCOUNT=1, ARCOUNT=1) /
                         NBNSRegistrationRequest(QUESTION_NAME='ALICE', SUFFIX=suffix(0x03), TTL=300000,
                                                 NB_ADDRESS='10.99.0.12'), broadcast, True)
    check(answer.RESPONSE == 1 and answer.OPCODE == 5 and answer.RCODE == 6 and answer.NAME_TRN_ID == 0x3456,
          'registering ALICE<03> from here is refused with ACT_ERR')

    smb = mailslot_write(b'\\MAILSLOT\\messngr', b'Bob\0Alice\0from scapy\0')
    datagram = NBTDatagram(Type=0x10, Flags=0x02, ID=0x4567, SourceIP='10.99.0.12', SourcePort=138,
                           Length=68 + len(smb), SourceName='PC-BOB', SUFFIX1=suffix(0x00),
                           DestinationName='ALICE', SUFFIX2=suffix(0x03)) / Raw(smb)
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.sendto(bytes(datagram), (alice, 138))
    check(True, 'DIRECT_UNIQUE datagram to ALICE<03> sent')


def listen(alice):
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        s.bind(('', 138))
        s.settimeout(40)
        while True:
            data, sender = s.recvfrom(4096)
            if sender[0] == alice:
                break
    datagram = NBTDatagram(data)
    check(datagram.Type == 0x11 and datagram.SourceIP == alice, 'datagram from A dissects as DIRECT_GROUP')
    check(datagram.DestinationName.strip() == b'OFFICE' and datagram.SUFFIX2 == suffix(0x00), 'to OFFICE<00>')
    check(datagram.SourceName.strip() == b'PC-ALICE' and datagram.Length == len(data) - 14, 'from PC-ALICE<00>')
    smb = SMB_Header(bytes(datagram.payload))
    check(smb.Command == 0x25, 'carries an SMB transaction')
    check(b'\\MAILSLOT\\messngr\0hello from alice' in bytes(datagram.payload), 'writing to \\MAILSLOT\\messngr')


if __name__ == '__main__':
    if sys.argv[1] == 'talk':
        talk(sys.argv[2], sys.argv[3])
    else:
        listen(sys.argv[2])
