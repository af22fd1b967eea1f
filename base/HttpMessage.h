#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/HttpDeadlines.h"

// One request as the program's HTTP client (base/win32/HttpClient) sends it.
struct HttpRequest {
    std::string Method = "GET";
    std::wstring Url;                  // http:// or https://
    std::vector<std::string> Headers;  // whole lines, "Name: value", without line ends
    std::string Body;
    HttpDeadlines Deadlines;
};

// How a request ended. Answered has a status and headers, and so has
// BodyRefused, whose body the sink refused; a status of any value, 304 and
// 500 too, is an answer.
enum class HttpOutcome { Answered, Failed, TimedOut, Cancelled, BodyRefused };

struct HttpResponse {
    HttpOutcome Outcome = HttpOutcome::Failed;
    unsigned long SystemError = 0;  // the system's code of a failure
    int Status = 0;
    std::string Headers;  // the header block as received, lines ended by CR LF

    // The value of the first header of the name, letter case aside, without
    // the blanks around it; none when the response has no such header.
    std::optional<std::string> Header(std::string_view name) const;
};

// Where a response's body goes as it arrives, piece by piece.
class HttpSink {
public:
    virtual ~HttpSink() = default;
    // False refuses the piece and ends the request as BodyRefused.
    virtual bool Write(const char* data, size_t size) = 0;
    // Bytes received so far, and the length the server announced, if any.
    virtual void Progress(uint64_t /*received*/, std::optional<uint64_t> /*announced*/) {}
};

// A body kept in memory, refused past a limit.
class HttpBodyBuffer : public HttpSink {
public:
    explicit HttpBodyBuffer(size_t limit) : FLimit(limit) {}
    bool Write(const char* data, size_t size) override;
    const std::string& Body() const { return FBody; }

private:
    size_t FLimit;
    std::string FBody;
};

// One request as the HTTP client (base/win32/HttpClient) sends it, or as a
// test stands in for it.
using HttpTransport = std::function<HttpResponse(const HttpRequest&, HttpSink&)>;
