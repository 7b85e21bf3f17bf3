#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "platform/print/TCupsPrintSystem.h"

namespace {

// A local port that takes connections and never answers, and one that nobody listens on.
class TSilentServer {
public:
    TSilentServer()
    {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(fd_, 8);
        socklen_t length = sizeof address;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~TSilentServer()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
    // Nobody listens there any more.
    void Close()
    {
        close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
    int port_ = 0;
};

// The error of a call to the print system and how long it took.
template <class Call> std::string Failure(Call call, std::chrono::milliseconds& took)
{
    const auto start = std::chrono::steady_clock::now();
    std::string message = "answered";
    try {
        call();
    } catch (const EPrintSystemUnavailable& error) {
        message = error.what();
    }
    took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    return message;
}

} // namespace

TEST(CupsPrintSystem, AServerThatIsSilentOrAbsentGivesUpWithinTheTimeLimitQuietly)
{
    TSilentServer server;
    TCupsPrintSystem silent(server.Address(), 0.3);
    TPrintJob job;
    job.Queue = "kantor";
    job.File = "/dev/null";
    std::chrono::milliseconds took{};
    testing::internal::CaptureStderr();

    // The client library waits up to a second for the server to take a request, then the limit.
    EXPECT_EQ(Failure([&] { silent.Queues(); }, took), "The print system cannot be reached.");
    EXPECT_LT(took.count(), 2000);
    EXPECT_EQ(Failure([&] { silent.Submit(job); }, took), "The print system cannot be reached.");
    EXPECT_LT(took.count(), 2000);

    server.Close();
    EXPECT_EQ(Failure([&] { silent.Queues(); }, took), "The print system cannot be reached.");
    EXPECT_EQ(Failure([&] { silent.JobState("kantor", 1); }, took), "The print system cannot be reached.");
    EXPECT_LT(took.count(), 500);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
