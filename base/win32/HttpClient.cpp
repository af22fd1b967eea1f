#include "base/win32/HttpClient.h"

#include <windows.h>
#include <wininet.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include "base/HttpRedirects.h"

namespace {
const DWORD kPieceBytes = 16384;
const DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES |
                            INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_AUTO_REDIRECT;

// Methods, headers and the parts of a URL are ASCII.
std::wstring WidenAscii(const std::string& text) { return std::wstring(text.begin(), text.end()); }

struct TInternetHandle {
    HINTERNET Handle = nullptr;
    TInternetHandle() = default;
    TInternetHandle(const TInternetHandle&) = delete;
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
    bool digits = length && !length->empty() && length->find_first_not_of("0123456789") == std::string::npos;
    if (!digits || length->size() > 18) return std::nullopt;
    return std::stoull(*length);
}

HttpResponse Failed(DWORD error) { return {.Outcome = HttpOutcome::Failed, .SystemError = error}; }

// The parts of a URL that WinINet's calls take.
struct TUrlParts {
    std::wstring Host;
    INTERNET_PORT Port;
    std::wstring Target;  // the path and the query
    bool Secure;
};

std::optional<TUrlParts> CrackUrl(const std::wstring& text) {
    wchar_t host[256], path[2048], query[2048];
    URL_COMPONENTSW url = {sizeof url};
    url.lpszHostName = host;
    url.dwHostNameLength = 256;
    url.lpszUrlPath = path;
    url.dwUrlPathLength = 2048;
    url.lpszExtraInfo = query;
    url.dwExtraInfoLength = 2048;
    if (!InternetCrackUrlW(text.c_str(), 0, 0, &url)) return std::nullopt;
    if (url.nScheme != INTERNET_SCHEME_HTTP && url.nScheme != INTERNET_SCHEME_HTTPS) return std::nullopt;
    return TUrlParts{std::wstring(host, url.dwHostNameLength), url.nPort,
                     std::wstring(path, url.dwUrlPathLength) + std::wstring(query, url.dwExtraInfoLength),
                     url.nScheme == INTERNET_SCHEME_HTTPS};
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
    TInternetHandle Connection;  // the request's parent, open until the transfer goes
    bool Done = false;
    HttpResponse Response;
};

THttpClient::THttpClient(const std::string& userAgent) : FSession(std::make_shared<TSession>()) {
    FSession->Internet =
        InternetOpenW(WidenAscii(userAgent).c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
}

THttpClient::~THttpClient() { Cancel(); }

void THttpClient::Cancel() {
    std::lock_guard lock(FSession->Lock);
    FSession->Cancelled = true;
    FSession->Changed.notify_all();
}

HttpResponse THttpClient::Send(const HttpRequest& request, HttpSink& sink) {
    THttpDeadlineWatch watch(request.Deadlines, SteadyMilliseconds());
    auto transfer = std::make_shared<TTransfer>(FSession, request, watch, &sink);
    std::unique_lock lock(FSession->Lock);
    if (FSession->Cancelled) return {.Outcome = HttpOutcome::Cancelled};
    std::thread(Run, transfer).detach();
    for (;;) {
        if (transfer->Done) return transfer->Response;
        if (FSession->Cancelled) return GiveUp(*transfer, HttpOutcome::Cancelled);
        std::optional<uint64_t> giveUpAt = transfer->Watch.GiveUpAt();
        uint64_t now = SteadyMilliseconds();
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
    HttpResponse response =
        FollowRedirects(transfer->Request, [&](const std::wstring& url) { return Exchange(*transfer, url); });
    if (response.Outcome == HttpOutcome::Answered) response = ReadBody(*transfer, response);
    std::lock_guard lock(transfer->Session->Lock);
    if (transfer->Handle) InternetCloseHandle(std::exchange(transfer->Handle, nullptr));
    transfer->Response = response;
    transfer->Done = true;
    transfer->Session->Changed.notify_all();
}

// On the transfer's own thread. After each call that may wait, the caller
// may have gone and closed the request's handle: then nothing more is done.
// A redirect's exchange first closes the one before it.
HttpResponse THttpClient::Exchange(TTransfer& transfer, const std::wstring& target) {
    TSession& session = *transfer.Session;
    {
        std::lock_guard lock(session.Lock);
        if (transfer.Handle) InternetCloseHandle(std::exchange(transfer.Handle, nullptr));
        if (!transfer.Sink) return {};
    }
    std::optional<TUrlParts> url = CrackUrl(target);
    if (!session.Internet) return Failed(ERROR_INTERNET_NOT_INITIALIZED);
    if (!url) return Failed(ERROR_INTERNET_INVALID_URL);
    HINTERNET connection = InternetConnectW(session.Internet, url->Host.c_str(), url->Port, nullptr, nullptr,
                                            INTERNET_SERVICE_HTTP, 0, 0);
    if (!connection) return Failed(GetLastError());
    if (transfer.Connection.Handle) InternetCloseHandle(transfer.Connection.Handle);
    transfer.Connection.Handle = connection;
    DWORD flags = kRequestFlags | (url->Secure ? INTERNET_FLAG_SECURE : 0);
    HINTERNET request = HttpOpenRequestW(connection, WidenAscii(transfer.Request.Method).c_str(),
                                         url->Target.c_str(), nullptr, nullptr, nullptr, flags, 0);
    if (!request) return Failed(GetLastError());
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
    std::lock_guard lock(session.Lock);
    if (!transfer.Sink) return {};
    if (!sent) return Failed(error);
    DWORD status = 0, size = sizeof status;
    HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr);
    transfer.Watch.HeadersArrived(SteadyMilliseconds());
    return {.Outcome = HttpOutcome::Answered, .Status = int(status), .Headers = RawHeaders(request)};
}

HttpResponse THttpClient::ReadBody(TTransfer& transfer, HttpResponse response) {
    TSession& session = *transfer.Session;
    HINTERNET request;
    {
        std::lock_guard lock(session.Lock);
        request = transfer.Handle;
    }
    std::optional<uint64_t> announced = AnnouncedLength(response);
    uint64_t received = 0;
    char piece[kPieceBytes];
    for (;;) {
        DWORD got = 0;
        BOOL read = InternetReadFile(request, piece, kPieceBytes, &got);
        DWORD error = GetLastError();
        std::lock_guard lock(session.Lock);
        if (!transfer.Sink) return {};
        if (!read) return Failed(error);
        if (!got) return response;
        if (!transfer.Sink->Write(piece, got)) {
            response.Outcome = HttpOutcome::BodyRefused;
            return response;
        }
        received += got;
        transfer.Sink->Progress(received, announced);
        transfer.Watch.BodyArrived(SteadyMilliseconds());
        session.Changed.notify_all();
    }
}
