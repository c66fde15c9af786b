#!/usr/bin/env python3
"""Soak of the secure exchange between two computers running the real program, ALICE-PC and
BOB-PC. A secure sender (the program's secure session with the real Secure.dll) on each side
sends to the program on the other: first A's side alone, then B's side alone, then both at once;
a quarter of the messages in each of the four runs. Each program's window is watched for every
new message; at the end every stored message is read back.

The secure exchange answers a request on the requester's port 19803, which the program holds on
its own computer, so each side's sender runs on a computer of its own next to it (ALICE-SENDER,
BOB-SENDER, with the same users alice and bob).

  secure_soak.py --bin BUILD/win/bin [--messages 1000]

Prints the counts (sent, not sent, lost, garbled) and the median and 95th percentile of the time
from the start of a send to the message showing in the receiver's window. Exit 0 when every
message arrived intact, 1 otherwise, 77 when the computers cannot be made here."""
import argparse
import statistics
import subprocess
import sys
import time

from program_network import Failed, check, run_test

COMPUTERS = {'ALICE-PC': 'alice', 'BOB-PC': 'bob', 'ALICE-SENDER': 'alice', 'BOB-SENDER': 'bob'}
SIDES = [('ALICE-SENDER', 'BOB-PC', 'AtoB'), ('BOB-SENDER', 'ALICE-PC', 'BtoA')]
PHASE_SECONDS = 900


def read_lines(path, word):
    with open(path, errors='replace') as f:
        return [line.split(' ', 4) for line in f.read().splitlines() if line.startswith(word + ' ')]


def shown_times(watch_output, first_count, count):
    """The time each of the next `count` messages showed (messages shown between two looks share
    the later look's time)."""
    times = []
    for _, shown, at in read_lines(watch_output, 'shown'):
        while first_count + len(times) < int(shown):
            times.append(float(at))
    return times[:count]


class Run:
    """One run of sends from one sender computer to one receiving program."""

    def __init__(self, network, sender, receiver, tag, count, start_index):
        self.sender, self.receiver, self.tag, self.count = network[sender], network[receiver], tag, count
        self.first_count = start_index
        self.watch, self.watch_output = self.receiver.spawn('program_driver.exe', 'watch', start_index + count,
                                                            PHASE_SECONDS * 1000)
        self.send = None
        deadline = time.monotonic() + 30
        while not read_lines(self.watch_output, 'start'): # watching before the first send
            if time.monotonic() > deadline or self.watch.poll() is not None:
                raise Failed('%s: the watch did not start' % receiver)
            time.sleep(0.1)

    def start(self):
        self.send, self.send_output = self.sender.spawn('secure_soak_peer.exe', self.receiver.name, self.count,
                                                        self.tag)

    def finish(self):
        for process in (self.send, self.watch):
            try:
                process.wait(timeout=PHASE_SECONDS)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        sent = read_lines(self.send_output, 'sent')
        results = [int(result) for _, _, result, _, _ in sent]
        starts = [float(start) for _, _, _, start, _ in sent]
        texts = [text for _, _, _, _, text in sent]
        shown = shown_times(self.watch_output, self.first_count, self.count)
        latencies = [(at - start) for at, start in zip(shown, starts)]
        return results, texts, latencies


def run_phase(network, sides, count, counts):
    runs = [Run(network, sender, receiver, tag, count, counts[receiver]) for sender, receiver, tag in sides]
    for run in runs:
        run.start()
    outcome = []
    for run in runs:
        results, texts, latencies = run.finish()
        counts[run.receiver.name] += count
        print('  %s -> %s: %d sent, %d not sent, %d shown%s' %
              (run.sender.name, run.receiver.name, results.count(0), len(results) - results.count(0), len(latencies),
               ', median %.0f ms, 95th percentile %.0f ms' % (statistics.median(latencies), percentile(latencies, 0.95))
               if latencies else ''), flush=True)
        outcome.append((run.receiver.name, results, texts, latencies))
    return outcome


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(fraction * (len(ordered) - 1))))]


def soak(network, messages):
    quarter = messages // 4
    for name in ('ALICE-PC', 'BOB-PC'):
        network[name].write_ini({'GENERAL': {'AutoScan': 0, 'MovetoTrayAtStartup': 0}})
        network[name].start_program()
    counts = {'ALICE-PC': 0, 'BOB-PC': 0}
    sent_texts = {'ALICE-PC': [], 'BOB-PC': []}
    not_sent, latencies = 0, []
    phases = [('A to B alone', [SIDES[0]]), ('B to A alone', [SIDES[1]]), ('both at once', SIDES)]
    for title, sides in phases:
        print('%s, %d messages each way:' % (title, quarter), flush=True)
        for receiver, results, texts, times in run_phase(network, sides, quarter, counts):
            not_sent += len(results) - results.count(0)
            sent_texts[receiver] += [text for result, text in zip(results, texts) if result == 0]
            latencies += times

    lost = garbled = 0
    for name, expected in sent_texts.items():
        shown = network[name].messages()
        texts = [text for _, _, text in shown]
        lost += len(set(expected) - set(texts))
        garbled += len([text for text in texts if text not in set(expected)])
        check(all(padlock for padlock, _, _ in shown), '%s shows every message with the padlock' % name,
              [i + 1 for i, (padlock, _, _) in enumerate(shown) if not padlock])
        check(texts == expected, '%s holds every message sent to it, in order' % name,
              'first difference at %d' % next((i for i, (a, b) in enumerate(zip(texts, expected)) if a != b),
                                               min(len(texts), len(expected))))
    print('messages: %d sent, %d not sent, %d lost, %d garbled' % (messages - not_sent, not_sent, lost, garbled))
    if latencies:
        print('send to shown: median %.0f ms, 95th percentile %.0f ms, longest %.0f ms (%d messages)' %
              (statistics.median(latencies), percentile(latencies, 0.95), max(latencies), len(latencies)))
    check(not_sent == 0 and lost == 0 and garbled == 0, 'none lost, none garbled, every send reported sent')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--bin', required=True, help="the Windows tree's bin folder")
    parser.add_argument('--messages', type=int, default=1000, help='in all, a quarter per run (default 1000)')
    args = parser.parse_args()
    if args.messages < 4:
        raise SystemExit('--messages: at least 4')
    return run_test(args.bin, COMPUTERS, lambda network: soak(network, args.messages))


if __name__ == '__main__':
    sys.exit(main())
