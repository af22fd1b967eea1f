#include "app/HostLookups.h"

#include <winsock2.h>

#include <cstring>

namespace {
const int kAnswerSize = MAXGETHOSTSTRUCT;

// The host record lies at the start of the answer area and points into it;
// anything pointing elsewhere is not read.
class AnswerArea {
public:
    explicit AnswerArea(const char* area) : FArea(area) {}

    bool Holds(const void* pointer, size_t length) const {
        auto* p = static_cast<const char*>(pointer);
        return p >= FArea && p <= FArea + kAnswerSize && length <= size_t(FArea + kAnswerSize - p);
    }

    THostLookups::Answer Read() const {
        THostLookups::Answer answer;
        auto* host = reinterpret_cast<const hostent*>(FArea);
        if (!Holds(host->h_addr_list, sizeof(char*)) || !Holds(host->h_addr_list[0], 4)) return answer;
        auto* bytes = reinterpret_cast<const unsigned char*>(host->h_addr_list[0]);
        answer.Resolved = true;
        answer.Address = std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." +
                         std::to_string(bytes[2]) + "." + std::to_string(bytes[3]);
        if (Holds(host->h_name, 1))
            answer.OfficialName.assign(host->h_name, strnlen(host->h_name, FArea + kAnswerSize - host->h_name));
        return answer;
    }

private:
    const char* FArea;
};
}  // namespace

THostLookups::~THostLookups() {
    CancelAll();
    // Requests that have not completed may still write their answers: their
    // areas are left to the end of the process.
    for (auto& [request, pending] : FPending) pending.Area.release();
}

void THostLookups::Start(HWND window, UINT message, const std::string& host) {
    ++FStarted;
    auto area = std::make_unique<char[]>(kAnswerSize);
    HANDLE request = WSAAsyncGetHostByName(window, message, host.c_str(), area.get(), kAnswerSize);
    if (request) FPending[request] = {host, std::move(area)};
}

std::optional<THostLookups::Answer> THostLookups::Finish(WPARAM request, LPARAM result) {
    auto found = FPending.find(reinterpret_cast<HANDLE>(request));
    if (found == FPending.end()) return std::nullopt;
    Request finished = std::move(found->second);
    FPending.erase(found);
    if (finished.Cancelled) return std::nullopt;
    Answer answer;
    if (WSAGETASYNCERROR(result) == 0) answer = AnswerArea(finished.Area.get()).Read();
    answer.Host = finished.Host;
    answer.Error = WSAGETASYNCERROR(result);
    return answer;
}

// The result of a cancel promises nothing: Wine reports success and still
// writes the answer. So every area waits for its completion message.
void THostLookups::CancelAll() {
    for (auto& [request, pending] : FPending) {
        if (!pending.Cancelled) WSACancelAsyncRequest(request);
        pending.Cancelled = true;
    }
}
