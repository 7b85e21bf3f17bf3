#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/print/TCupsPrintSystem.h"

TEST(CupsPrintSystem, AServerThatIsSilentOrAbsentGivesUpWithinTheTimeLimitQuietly)
{
    // A local port that takes connections and never answers; closed, nobody listens there.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener, 8);
    socklen_t length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    TCupsPrintSystem silent("127.0.0.1:" + std::to_string(ntohs(address.sin_port)), 0.3);
    TPrintJob job;
    job.Queue = "kantor";
    job.File = "/dev/null";
    // The client library waits up to a second for the server to take a request, then the limit.
    const auto expectUnreachableWithin = [](int milliseconds, const std::function<void()>& call) {
        const auto start = std::chrono::steady_clock::now();
        std::string message = "answered";
        try {
            call();
        } catch (const EPrintSystemUnavailable& error) {
            message = error.what();
        }
        EXPECT_EQ(message, "The print system cannot be reached.");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(milliseconds));
    };
    testing::internal::CaptureStderr();

    expectUnreachableWithin(2000, [&] { silent.Queues(); });
    expectUnreachableWithin(2000, [&] { silent.Submit(job); });
    close(listener);
    expectUnreachableWithin(500, [&] { silent.Queues(); });
    expectUnreachableWithin(500, [&] { silent.JobState("kantor", 1); });
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
