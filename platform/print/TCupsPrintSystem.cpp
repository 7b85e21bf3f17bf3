#include "platform/print/TCupsPrintSystem.h"

#include <cups/cups.h>
#include <cups/pwg.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>

namespace {

const char* const Unreachable = "The print system cannot be reached";

using TSteady = std::chrono::steady_clock;

// Whether the time limit holds for each wait on a connection alone (a large job may take long
// to send while the server keeps taking it) or for all its waits together.
enum class TLimit { EachWait, AllWaits };

// How often a wait under a shared limit looks at the time left.
constexpr double WaitSlice = 0.05;

// One connection to the server, giving up on a wait as its limit says.
class TConnection {
public:
    TConnection(const std::string& server, double timeout, TLimit limit = TLimit::EachWait)
        : shared_(limit == TLimit::AllWaits),
          deadline_(TSteady::now() + std::chrono::duration_cast<TSteady::duration>(std::chrono::duration<double>(timeout)))
    {
        std::string host = server.empty() ? cupsServer() : server;
        int port = ippPort();
        if (!host.empty() && host[0] != '/')
            if (const size_t colon = host.rfind(':'); colon != std::string::npos && host.find(']', colon) == std::string::npos) {
                port = std::atoi(host.c_str() + colon + 1);
                host.erase(colon);
            }
        http_ = httpConnect2(host.c_str(), port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1,
                             static_cast<int>(timeout * 1000), nullptr);
        if (!http_)
            throw EPrintSystemUnavailable(std::string(Unreachable) + ".");
        httpSetTimeout(http_, shared_ ? std::min(WaitSlice, timeout) : timeout, &TConnection::GiveUp, this);
    }
    ~TConnection() { httpClose(http_); }
    TConnection(const TConnection&) = delete;
    TConnection& operator=(const TConnection&) = delete;

    http_t* Http() const { return http_; }

    // Under a shared limit, a request started once the time is up would wait anyway.
    void CheckTimeLeft()
    {
        if (shared_ && TSteady::now() >= deadline_) {
            timedOut_ = true;
            Fail("");
        }
    }

    // After a failed call: the server's silence or absence, or its own refusal in its words.
    [[noreturn]] void Fail(const std::string& what) const
    {
        if (timedOut_ || cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            throw EPrintSystemUnavailable(std::string(Unreachable) + ".");
        const std::string reason = cupsLastErrorString() ? cupsLastErrorString() : "";
        throw EInvalidOperation(reason.empty() ? what + "." : reason);
    }

private:
    static int GiveUp(http_t*, void* self)
    {
        auto* connection = static_cast<TConnection*>(self);
        if (connection->shared_ && TSteady::now() < connection->deadline_)
            return 1;
        connection->timedOut_ = true;
        return 0;
    }

    bool shared_;
    TSteady::time_point deadline_;
    http_t* http_ = nullptr;
    bool timedOut_ = false;
};

struct TDestsDeleter {
    int count;
    void operator()(cups_dest_t* dests) const { cupsFreeDests(count, dests); }
};

std::string Option(const cups_dest_t& dest, const char* name, const char* fallback)
{
    const char* value = cupsGetOption(name, dest.num_options, dest.options);
    return value ? value : fallback;
}

TPrintQueueState QueueState(const std::string& state)
{
    if (state == "4")
        return TPrintQueueState::Printing;
    if (state == "5")
        return TPrintQueueState::Stopped;
    return TPrintQueueState::Idle;
}

// The paper's usual name ("A4", "Letter") for a media name the server gives.
std::string PaperName(const std::string& media)
{
    const pwg_media_t* pwg = pwgMediaForPWG(media.c_str());
    if (!pwg)
        pwg = pwgMediaForLegacy(media.c_str());
    if (!pwg)
        pwg = pwgMediaForPPD(media.c_str());
    return pwg && pwg->ppd ? pwg->ppd : media;
}

// The queue's address on the server and the resource requests about it are sent to.
struct TQueueAddress {
    char Uri[HTTP_MAX_URI];
    char Resource[HTTP_MAX_URI];
};

TQueueAddress QueueAddress(const std::string& queue)
{
    TQueueAddress address{};
    httpAssembleURIf(HTTP_URI_CODING_ALL, address.Uri, sizeof address.Uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", queue.c_str());
    char scheme[32], user[256], host[256];
    int port = 0;
    httpSeparateURI(HTTP_URI_CODING_ALL, address.Uri, scheme, sizeof scheme, user, sizeof user, host, sizeof host, &port,
                    address.Resource, sizeof address.Resource);
    return address;
}

// The attributes of one request, or nothing with the connection's failure raised.
std::unique_ptr<ipp_t, void (*)(ipp_t*)> Ask(TConnection& connection, ipp_t* request, const std::string& what,
                                              const char* resource = "/", const char* file = nullptr)
{
    ipp_t* response = file ? cupsDoFileRequest(connection.Http(), request, resource, file)
                           : cupsDoRequest(connection.Http(), request, resource);
    if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        ippDelete(response);
        connection.Fail(what);
    }
    return {response, ippDelete};
}

// The paper a queue offers; none when the server will not tell.
TPrintPapers ReadPapers(TConnection& connection, const std::string& Queue)
{
    connection.CheckTimeLeft();
    const TQueueAddress address = QueueAddress(Queue);
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, address.Uri);
    const char* const wanted[] = {"media-supported", "media-default"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    std::unique_ptr<ipp_t, void (*)(ipp_t*)> printer{nullptr, ippDelete};
    try {
        printer = Ask(connection, request, "The paper of printer \"" + Queue + "\" cannot be read", address.Resource);
    } catch (const EPrintSystemUnavailable&) {
        throw;
    } catch (const EInvalidOperation&) {
        return {};
    }
    TPrintPapers papers;
    if (ipp_attribute_t* supported = ippFindAttribute(printer.get(), "media-supported", IPP_TAG_ZERO))
        for (int i = 0; i < ippGetCount(supported); ++i)
            if (const char* media = ippGetString(supported, i, nullptr)) {
                const std::string name = PaperName(media);
                if (std::find(papers.Names.begin(), papers.Names.end(), name) == papers.Names.end())
                    papers.Names.push_back(name);
            }
    if (ipp_attribute_t* fallback = ippFindAttribute(printer.get(), "media-default", IPP_TAG_ZERO))
        if (const char* media = ippGetString(fallback, 0, nullptr))
            papers.Default = PaperName(media);
    return papers;
}

} // namespace

std::vector<TPrintQueue> TCupsPrintSystem::Queues()
{
    TConnection connection(server_, timeout_, TLimit::AllWaits);
    // One short question first: a server silent from the start then costs the limit alone,
    // not the second the client library waits on each further request it sends.
    ipp_t* probe = cupsDoRequest(connection.Http(), ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    if (!probe)
        connection.Fail("The printers cannot be listed");
    ippDelete(probe);
    cups_dest_t* raw = nullptr;
    const int count = cupsGetDests2(connection.Http(), &raw);
    std::unique_ptr<cups_dest_t, TDestsDeleter> dests(raw, TDestsDeleter{count});
    if (count == 0 && cupsLastError() > IPP_STATUS_OK_CONFLICTING && cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)
        connection.Fail("The printers cannot be listed");
    std::vector<TPrintQueue> queues;
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = raw[i];
        if (dest.instance)
            continue;
        TPrintQueue queue;
        queue.Name = dest.name;
        queue.State = QueueState(Option(dest, "printer-state", "3"));
        queue.Accepting = Option(dest, "printer-is-accepting-jobs", "true") == "true";
        queue.Reasons = Option(dest, "printer-state-reasons", "none");
        queue.IsDefault = dest.is_default != 0;
        queue.Papers = ReadPapers(connection, queue.Name);
        queues.push_back(queue);
    }
    return queues;
}

int TCupsPrintSystem::Submit(const TPrintJob& Job)
{
    TConnection connection(server_, timeout_);
    const TQueueAddress address = QueueAddress(Job.Queue);
    ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, address.Uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, Job.Title.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
    ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "media", nullptr, Job.Paper.c_str());
    ippAddInteger(request, IPP_TAG_JOB, IPP_TAG_ENUM, "orientation-requested",
                  Job.Landscape ? IPP_ORIENT_LANDSCAPE : IPP_ORIENT_PORTRAIT);
    ippAddInteger(request, IPP_TAG_JOB, IPP_TAG_INTEGER, "copies", Job.Copies);
    const auto job = Ask(connection, request, "The printer \"" + Job.Queue + "\" did not take the job",
                         address.Resource, Job.File.c_str());
    ipp_attribute_t* id = ippFindAttribute(job.get(), "job-id", IPP_TAG_INTEGER);
    return id ? ippGetInteger(id, 0) : 0;
}

TPrintJobState TCupsPrintSystem::JobState(const std::string& Queue, int Id)
{
    TConnection connection(server_, timeout_);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/jobs/%d", Id);
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    const auto job = Ask(connection, request, "The job cannot be read");
    ipp_attribute_t* state = ippFindAttribute(job.get(), "job-state", IPP_TAG_ENUM);
    switch (state ? ippGetInteger(state, 0) : IPP_JSTATE_PENDING) {
    case IPP_JSTATE_PROCESSING:
        return TPrintJobState::Printing;
    case IPP_JSTATE_COMPLETED:
        return TPrintJobState::Completed;
    case IPP_JSTATE_STOPPED:
        return TPrintJobState::Stopped;
    case IPP_JSTATE_CANCELED:
    case IPP_JSTATE_ABORTED:
        return TPrintJobState::Failed;
    default:
        break;
    }
    // A waiting job on a stopped queue prints only when someone starts the queue again.
    const TQueueAddress address = QueueAddress(Queue);
    request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, address.Uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-state");
    const auto printer = Ask(connection, request, "The printer \"" + Queue + "\" cannot be read", address.Resource);
    ipp_attribute_t* printerState = ippFindAttribute(printer.get(), "printer-state", IPP_TAG_ENUM);
    if (printerState && ippGetInteger(printerState, 0) == IPP_PSTATE_STOPPED)
        return TPrintJobState::Stopped;
    return TPrintJobState::Waiting;
}
