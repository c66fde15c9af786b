// What the poll fuzz targets share: a mailslot holding the input's datagrams, a recording
// writer, a context with the input's settings, and polling until the mailslot is empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

#include "tests/fakes/transport_fakes.h"
#include "tests/fuzz/fuzz_input.h"

namespace kivet::fuzz {

struct PollRun {
    test::QueueReader reader;
    test::RecordingWriter writer;
    test::ScriptedContext context;
};

inline void LoadPollRun(PollRun& run, const uint8_t* data, std::size_t size)
{
    FuzzInput input = SplitFuzzInput(data, size);
    for (auto& datagram : input.datagrams)
        run.reader.Push(std::move(datagram));
    run.context.settings = input.settings;
}

// Polls until the mailslot is empty, at most once per datagram and once more; every poll must
// answer 1 or -1 and, in the end, every datagram must have been read.
template <class Poll> void PollUntilEmpty(PollRun& run, Poll poll)
{
    const std::size_t waiting = run.reader.queue.size();
    for (std::size_t i = 0; i <= waiting && !run.reader.queue.empty(); ++i) {
        const int result = poll();
        Require(result == 1 || result == -1);
    }
    Require(run.reader.queue.empty());
}

} // namespace kivet::fuzz
