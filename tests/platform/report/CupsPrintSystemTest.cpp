#include <arpa/inet.h>
#include <cups/cups.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

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

namespace {

// A print server on a local port that answers its first requests, each after a delay, and then
// takes further requests without ever answering them.
class TStallingPrintServer {
public:
    TStallingPrintServer(int answers, std::chrono::milliseconds delay) : answers_(answers), delay_(delay)
    {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 8);
        socklen_t length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~TStallingPrintServer()
    {
        stop_ = true;
        thread_.join();
        for (const pollfd& client : clients_)
            close(client.fd);
        close(listener_);
    }

    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    void Serve()
    {
        std::vector<std::string> pending;
        while (!stop_) {
            std::vector<pollfd> fds{{listener_, POLLIN, 0}};
            fds.insert(fds.end(), clients_.begin(), clients_.end());
            if (poll(fds.data(), fds.size(), 20) <= 0)
                continue;
            if (fds[0].revents & POLLIN) {
                clients_.push_back({accept(listener_, nullptr, nullptr), POLLIN, 0});
                pending.emplace_back();
            }
            for (size_t i = 1; i < fds.size(); ++i) {
                if (!(fds[i].revents & POLLIN))
                    continue;
                char buffer[4096];
                const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
                if (n > 0)
                    pending[i - 1].append(buffer, static_cast<size_t>(n));
                while (TakeRequest(fds[i].fd, pending[i - 1])) {
                }
            }
        }
    }

    // Answers one whole request waiting in 'data', or lets it go unanswered once the answers are used up.
    bool TakeRequest(int client, std::string& data)
    {
        const size_t headerEnd = data.find("\r\n\r\n");
        if (headerEnd == std::string::npos)
            return false;
        const size_t field = data.find("Content-Length: ");
        const size_t length = field < headerEnd ? std::stoul(data.substr(field + 16)) : 0;
        if (data.size() < headerEnd + 4 + length)
            return false;
        const std::string body = data.substr(headerEnd + 4, length);
        data.erase(0, headerEnd + 4 + length);
        // The server took the request; only its answer never comes.
        std::string reply = "HTTP/1.1 100 Continue\r\n\r\n";
        if (answers_-- > 0 && body.size() >= 8) {
            std::this_thread::sleep_for(delay_);
            const std::string ipp = Answer(body);
            reply = "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " + std::to_string(ipp.size())
                + "\r\n\r\n" + ipp;
        }
        (void)!write(client, reply.data(), reply.size());
        return true;
    }

    // One printer, "kantor", the default, with A4 and Letter paper.
    static std::string Answer(const std::string& request)
    {
        const auto byte = [&](size_t i) { return static_cast<unsigned char>(request[i]); };
        const int operation = byte(2) << 8 | byte(3);
        ipp_t* response = ippNew();
        ippSetVersion(response, 2, 0);
        ippSetStatusCode(response, IPP_STATUS_OK);
        ippSetRequestId(response, byte(4) << 24 | byte(5) << 16 | byte(6) << 8 | byte(7));
        ippAddString(response, IPP_TAG_OPERATION, IPP_TAG_CHARSET, "attributes-charset", nullptr, "utf-8");
        ippAddString(response, IPP_TAG_OPERATION, IPP_TAG_LANGUAGE, "attributes-natural-language", nullptr, "en");
        if (operation == IPP_OP_GET_PRINTER_ATTRIBUTES) {
            const char* const media[] = {"iso_a4_210x297mm", "na_letter_8.5x11in"};
            ippAddStrings(response, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "media-supported", 2, nullptr, media);
            ippAddString(response, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "media-default", nullptr, media[0]);
        } else {
            ippAddString(response, IPP_TAG_PRINTER, IPP_TAG_NAME, "printer-name", nullptr, "kantor");
            ippAddString(response, IPP_TAG_PRINTER, IPP_TAG_URI, "printer-uri-supported", nullptr,
                         "ipp://localhost/printers/kantor");
            ippAddInteger(response, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
            ippAddBoolean(response, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
        }
        std::string out;
        ippWriteIO(&out, [](void* target, ipp_uchar_t* data, size_t size) -> ssize_t {
            static_cast<std::string*>(target)->append(reinterpret_cast<char*>(data), size);
            return static_cast<ssize_t>(size);
        }, 1, nullptr, response);
        ippDelete(response);
        return out;
    }

    int answers_;
    std::chrono::milliseconds delay_;
    int listener_ = -1;
    int port_ = 0;
    std::vector<pollfd> clients_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

// The seconds a call takes, and whether it found the print system unreachable.
std::pair<double, bool> Timed(const std::function<void()>& call)
{
    const auto start = std::chrono::steady_clock::now();
    bool unreachable = false;
    try {
        call();
    } catch (const EPrintSystemUnavailable&) {
        unreachable = true;
    }
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), unreachable};
}

} // namespace

TEST(CupsPrintSystem, ListingTheQueuesWithTheirPaperTakesOneTimeLimitInAll)
{
    testing::internal::CaptureStderr();
    {
        TStallingPrintServer prompt(100, std::chrono::milliseconds(0));
        std::vector<TPrintQueue> queues;
        EXPECT_FALSE(Timed([&] { queues = TCupsPrintSystem(prompt.Address(), 0.5).Queues(); }).second);
        ASSERT_EQ(queues.size(), 1u);
        EXPECT_EQ(queues[0].Name, "kantor");
        EXPECT_EQ(queues[0].Papers.Names, (std::vector<std::string>{"A4", "Letter"}));
        EXPECT_EQ(queues[0].Papers.Default, "A4");
    }
    // The first question answered, then silence: the later requests share what is left.
    TStallingPrintServer stalling(1, std::chrono::milliseconds(0));
    const auto [stalled, stalledUnreachable] = Timed([&] { TCupsPrintSystem(stalling.Address(), 0.5).Queues(); });
    EXPECT_TRUE(stalledUnreachable);
    EXPECT_LT(stalled, 0.8);
    // The list in time, each answer slow; asked for the paper, silence.
    TStallingPrintServer slow(3, std::chrono::milliseconds(150));
    const auto [late, lateUnreachable] = Timed([&] { TCupsPrintSystem(slow.Address(), 0.5).Queues(); });
    EXPECT_TRUE(lateUnreachable);
    EXPECT_LT(late, 0.8);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
