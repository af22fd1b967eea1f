#pragma once
#include <memory>
#include <string>

#include "base/HttpMessage.h"

// The program's one HTTP client, over WinINet, which takes the proxy the
// user set in Internet Explorer's settings. Certificates are checked as the
// system checks them. Nothing is read from or written to WinINet's cache, so
// a conditional request's 304 comes back as it is. Redirects of GET requests
// are followed by base/HttpRedirects' rule, not by WinINet's.
//
// A request blocks the calling thread until it has ended, and its WinINet
// calls run on a thread of their own: WinINet's own time-outs are not
// reliable, and under Wine closing a request's handle does not end a call
// that waits for the server. So the calling thread watches the deadlines and
// Cancel; when one of them ends the request, it closes the request's handle
// (which ends the call on Windows) and returns at once. The WinINet thread
// ends whenever its call comes back, and touches nothing of the caller's
// after Send has returned.
class THttpClient {
public:
    explicit THttpClient(const std::string& userAgent);  // ASCII
    ~THttpClient();
    THttpClient(const THttpClient&) = delete;
    THttpClient& operator=(const THttpClient&) = delete;

    // One request at a time. The body goes to the sink while Send waits.
    HttpResponse Send(const HttpRequest& request, HttpSink& sink);
    // From any thread: the request under way ends as Cancelled, and every
    // later one at once.
    void Cancel();

private:
    struct TSession;
    struct TTransfer;
    static void Run(std::shared_ptr<TTransfer> transfer);
    static HttpResponse Exchange(TTransfer& transfer, const std::wstring& url);
    static HttpResponse ReadBody(TTransfer& transfer, HttpResponse response);
    static HttpResponse GiveUp(TTransfer& transfer, HttpOutcome outcome);

    std::shared_ptr<TSession> FSession;
};
