#include "base/win32/HttpClient.h"

#include <windows.h>
#include <wininet.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace {
const DWORD kPieceBytes = 16384;
const DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES |
                            INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_AUTO_REDIRECT;

uint64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Methods, headers and the parts of a URL are ASCII.
std::wstring WidenAscii(const std::string& text) { return std::wstring(text.begin(), text.end()); }

struct TInternetHandle {
    HINTERNET Handle;
    ~TInternetHandle() {
        if (Handle) InternetCloseHandle(Handle);
    }
};

std::string RawHeaders(HINTERNET request) {
    DWORD size = 0;
    HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    std::string headers(size, '\0');
    if (!size || !HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, headers.data(), &size, nullptr)) return "";
    headers.resize(size);
    return headers;
}

std::optional<uint64_t> AnnouncedLength(const HttpResponse& response) {
    std::optional<std::string> length = response.Header("Content-Length");
    if (!length || length->empty() || length->size() > 18 || length->find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoull(*length);
}
}  // namespace

// The WinINet session, held by the client and by every thread of its
// requests, so that it closes only once none of them uses it. One lock
// guards the session's and its transfers' state.
struct THttpClient::TSession {
    HINTERNET Internet = nullptr;
    std::mutex Lock;
    std::condition_variable Changed;
    bool Cancelled = false;
    ~TSession() {
        if (Internet) InternetCloseHandle(Internet);
    }
};

struct THttpClient::TTransfer {
    std::shared_ptr<TSession> Session;
    HttpRequest Request;
    THttpDeadlineWatch Watch;
    HttpSink* Sink;              // none once the caller has gone
    HINTERNET Handle = nullptr;  // the request's, while open
    bool Done = false;
    HttpResponse Response;
};

THttpClient::THttpClient(const std::string& userAgent) : FSession(std::make_shared<TSession>()) {
    FSession->Internet = InternetOpenW(WidenAscii(userAgent).c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
}

THttpClient::~THttpClient() { Cancel(); }

void THttpClient::Cancel() {
    std::lock_guard lock(FSession->Lock);
    FSession->Cancelled = true;
    FSession->Changed.notify_all();
}

HttpResponse THttpClient::Send(const HttpRequest& request, HttpSink& sink) {
    auto transfer = std::make_shared<TTransfer>(
        TTransfer{FSession, request, THttpDeadlineWatch(request.Deadlines, NowMs()), &sink});
    std::unique_lock lock(FSession->Lock);
    if (FSession->Cancelled) return {.Outcome = HttpOutcome::Cancelled};
    std::thread(Run, transfer).detach();
    for (;;) {
        if (transfer->Done) return transfer->Response;
        if (FSession->Cancelled) return GiveUp(*transfer, HttpOutcome::Cancelled);
        std::optional<uint64_t> giveUpAt = transfer->Watch.GiveUpAt();
        uint64_t now = NowMs();
        if (giveUpAt && now >= *giveUpAt) return GiveUp(*transfer, HttpOutcome::TimedOut);
        if (giveUpAt)
            FSession->Changed.wait_for(lock, std::chrono::milliseconds(*giveUpAt - now));
        else
            FSession->Changed.wait(lock);
    }
}

// Under the session's lock.
HttpResponse THttpClient::GiveUp(TTransfer& transfer, HttpOutcome outcome) {
    transfer.Sink = nullptr;
    if (transfer.Handle) InternetCloseHandle(std::exchange(transfer.Handle, nullptr));
    return {.Outcome = outcome};
}

void THttpClient::Run(std::shared_ptr<TTransfer> transfer) {
    HttpResponse response = Exchange(*transfer);
    std::lock_guard lock(transfer->Session->Lock);
    if (transfer->Handle) InternetCloseHandle(std::exchange(transfer->Handle, nullptr));
    transfer->Response = response;
    transfer->Done = true;
    transfer->Session->Changed.notify_all();
}

// On the transfer's own thread. After each call that may wait, the caller
// may have gone and closed the request's handle: then nothing more is done.
HttpResponse THttpClient::Exchange(TTransfer& transfer) {
    auto failed = [](DWORD error) { return HttpResponse{.Outcome = HttpOutcome::Failed, .SystemError = error}; };
    TSession& session = *transfer.Session;
    wchar_t host[256], path[2048], query[2048];
    URL_COMPONENTSW url = {sizeof url};
    url.lpszHostName = host;
    url.dwHostNameLength = 256;
    url.lpszUrlPath = path;
    url.dwUrlPathLength = 2048;
    url.lpszExtraInfo = query;
    url.dwExtraInfoLength = 2048;
    if (!session.Internet) return failed(ERROR_INTERNET_NOT_INITIALIZED);
    if (!InternetCrackUrlW(transfer.Request.Url.c_str(), 0, 0, &url)) return failed(GetLastError());
    if (url.nScheme != INTERNET_SCHEME_HTTP && url.nScheme != INTERNET_SCHEME_HTTPS)
        return failed(ERROR_INTERNET_UNRECOGNIZED_SCHEME);
    std::wstring target = std::wstring(path, url.dwUrlPathLength) + std::wstring(query, url.dwExtraInfoLength);
    TInternetHandle connection{
        InternetConnectW(session.Internet, host, url.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0)};
    if (!connection.Handle) return failed(GetLastError());
    DWORD flags = kRequestFlags | (url.nScheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
    HINTERNET request = HttpOpenRequestW(connection.Handle, WidenAscii(transfer.Request.Method).c_str(),
                                         target.c_str(), nullptr, nullptr, nullptr, flags, 0);
    if (!request) return failed(GetLastError());
    {
        std::lock_guard lock(session.Lock);
        transfer.Handle = request;
        if (!transfer.Sink) return {};
    }
    std::string headers;
    for (const std::string& line : transfer.Request.Headers) headers += line + "\r\n";
    const std::string& body = transfer.Request.Body;
    BOOL sent = HttpSendRequestW(request, WidenAscii(headers).c_str(), DWORD(headers.size()),
                                 const_cast<char*>(body.data()), DWORD(body.size()));
    DWORD error = GetLastError();
    HttpResponse response{.Outcome = HttpOutcome::Answered};
    {
        std::lock_guard lock(session.Lock);
        if (!transfer.Sink) return {};
        if (!sent) return failed(error);
        DWORD status = 0, size = sizeof status;
        HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr);
        response.Status = int(status);
        response.Headers = RawHeaders(request);
        transfer.Watch.HeadersArrived(NowMs());
    }
    std::optional<uint64_t> announced = AnnouncedLength(response);
    uint64_t received = 0;
    char piece[kPieceBytes];
    for (;;) {
        DWORD got = 0;
        BOOL read = InternetReadFile(request, piece, kPieceBytes, &got);
        error = GetLastError();
        std::lock_guard lock(session.Lock);
        if (!transfer.Sink) return {};
        if (!read) return failed(error);
        if (!got) return response;
        if (!transfer.Sink->Write(piece, got)) return {.Outcome = HttpOutcome::BodyRefused};
        received += got;
        transfer.Sink->Progress(received, announced);
        transfer.Watch.BodyArrived(NowMs());
        session.Changed.notify_all();
    }
}
