// The secure server's thread: stopped while it waits for a connection or for a record, and
// retrying without spinning while its port is held by another program.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "tests/core/clients/simulated_computer.h"

namespace kivet::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(SecureServerConcurrency, StopEndsAServerWaitingForAConnection)
{
    const uint16_t port = FreeLoopbackPort();
    SimulatedComputer bob("BOB", "BUSER", port, FreeLoopbackPort());
    bob.Start();
    const auto start = Clock::now();
    bob.thread.Stop();
    EXPECT_LT(Clock::now() - start, 2s);
    EXPECT_FALSE(bob.thread.Running());
}

TEST(SecureServerConcurrency, StopEndsAServerWaitingForARecordLongBeforeTheTimeout)
{
    const uint16_t port = FreeLoopbackPort();
    SimulatedComputer bob("BOB", "BUSER", port, FreeLoopbackPort());
    bob.Start();
    secure::TcpChannel silent;
    ASSERT_TRUE(silent.Connect("127.0.0.1", port));
    std::this_thread::sleep_for(100ms); // the server takes the connection and waits for a record

    const auto start = Clock::now();
    bob.thread.Stop();
    EXPECT_LT(Clock::now() - start, 2s);
    EXPECT_FALSE(bob.thread.Running());
}

TEST(SecureServerConcurrency, PortHeldElsewhereIsRetriedWithPausesUntilItIsFree)
{
    const uint16_t port = FreeLoopbackPort();
    secure::TcpChannel holder;
    ASSERT_TRUE(holder.Bind(port));
    ASSERT_TRUE(holder.Listen(1));

    SimulatedComputer bob("BOB", "BUSER", port, FreeLoopbackPort());
    ASSERT_TRUE(bob.thread.Start(bob.log));
    std::this_thread::sleep_for(400ms);
    const std::vector<std::string> lines = bob.log.Lines();
    const auto retries = std::count(lines.begin(), lines.end(), "SERVER: Trying to start server.");
    EXPECT_GE(retries, 2);
    EXPECT_LE(retries, 40) << "the server retries without pausing";
    EXPECT_EQ(static_cast<std::size_t>(retries), lines.size());

    holder.CloseServer();
    EXPECT_TRUE(bob.api.WaitUntilListened(1));
}

} // namespace
} // namespace kivet::test
