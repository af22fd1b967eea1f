#pragma once
#include <chrono>
#include <cstdint>
#include <optional>

// Time limits of one HTTP request, in milliseconds; 0 sets none.
struct HttpDeadlines {
    uint32_t ConnectMs = 0;  // from the start until the response's headers have come
    uint32_t IdleMs = 0;     // from the headers or the last piece of the body to the next piece
    uint32_t WholeMs = 0;    // from the start to the end of the body
};

// Milliseconds of the steady clock, the one the program reads for deadlines.
inline uint64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The bookkeeping of a request's deadlines on a clock the caller reads
// (milliseconds of any steady clock), so that it holds no clock of its own.
class THttpDeadlineWatch {
public:
    THttpDeadlineWatch(const HttpDeadlines& limits, uint64_t now) : FLimits(limits), FStart(now) {}

    void HeadersArrived(uint64_t now) { FLastArrival = now; }
    void BodyArrived(uint64_t now) { FLastArrival = now; }
    // When the request is to be given up; none while no limit applies.
    std::optional<uint64_t> GiveUpAt() const;
    bool Overrun(uint64_t now) const;

private:
    HttpDeadlines FLimits;
    uint64_t FStart;
    std::optional<uint64_t> FLastArrival;  // none until the headers have come
};
