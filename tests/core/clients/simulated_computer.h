// One computer of the native tests: the portable Secure component over loopback, the host and log
// that record, a message store and the secure server on its own thread. Two of them, each serving
// on its own port and connecting to the other's, exchange real records under the real cipher.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "messenger/clients/secure_server.h"
#include "messenger/clients/secure_server_thread.h"
#include "messenger/store/message_store.h"
#include "tests/core/clients/native_secure.h"
#include "tests/core/clients/recording_host.h"
#include "tests/fakes/transport_fakes.h"

namespace kivet::test {

struct SimulatedComputer {
    SimulatedComputer(const std::string& computer, const std::string& user, uint16_t ownPort, uint16_t peerPort,
                      unsigned receiveTimeoutMs = secure::kServerReceiveTimeoutMs)
        : port(ownPort), api(ownPort, peerPort, receiveTimeoutMs), host(computer, user)
    {
    }

    // Starts the server thread and waits until it listens.
    void Start()
    {
        ASSERT_TRUE(thread.Start(log));
        ASSERT_TRUE(api.WaitUntilListened(1)) << "the secure server did not listen";
    }

    std::vector<MessageRecord> Stored() { return StoredRecords(store); }

    uint16_t port;
    NativeSecure api;
    RecordingHost host;
    RecordingLog log;
    MessageStore store;
    SecureParts parts{api, host, log};
    SecureServer server{parts, store, 50};
    SecureServerThread thread{server};
};

// ALICE and BOB, each serving on a port of its own and reaching the other on the other's.
struct TwoComputers {
    explicit TwoComputers(unsigned receiveTimeoutMs = secure::kServerReceiveTimeoutMs)
        : alicePort(FreeLoopbackPort()), bobPort(FreeLoopbackPort()),
          alice("ALICE", "AUSER", alicePort, bobPort, receiveTimeoutMs),
          bob("BOB", "BUSER", bobPort, alicePort, receiveTimeoutMs)
    {
    }

    uint16_t alicePort;
    uint16_t bobPort;
    SimulatedComputer alice;
    SimulatedComputer bob;
};

} // namespace kivet::test
