// Prints how fast skins decompress and load: LZH output throughput on the
// built skin and on 10 MB of mixed data, and the time to load the whole
// skin (decompress, read the archive and description, build every element).
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "skin/data/SkinData.h"
#include "skin/stream/LzhDecoder.h"
#include "tools/skin/FileIo.h"
#include "tools/skin/LzhEncoder.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Runs work until at least minSeconds have passed; returns seconds per run.
template <typename Work>
double TimePerRun(Work work, double minSeconds) {
    int runs = 0;
    Clock::time_point start = Clock::now();
    do {
        work();
        ++runs;
    } while (Seconds(start) < minSeconds);
    return Seconds(start) / runs;
}

// Quarters of text lines, bitmap-like rows, runs and noise, in 64 KB blocks.
std::vector<uint8_t> MixedData(size_t size) {
    std::mt19937 random(2026);
    std::vector<uint8_t> data;
    data.reserve(size);
    for (int block = 0; data.size() < size; ++block) {
        size_t end = std::min(size, data.size() + 65536);
        switch (block % 4) {
            case 0:
                while (data.size() < end) {
                    std::string line = "202." + std::to_string(random() % 256) + "." + std::to_string(random() % 256) +
                                       ".1 \xB1\xB1\xBE\xA9\xCA\xD0 \xB5\xE7\xD0\xC5\r\n";
                    data.insert(data.end(), line.begin(), line.end());
                }
                break;
            case 1:
                for (int x = 0; data.size() < end; ++x) data.push_back(uint8_t(x % 300 / 2 + (x / 900) % 7));
                break;
            case 2:
                while (data.size() < end) data.insert(data.end(), 1 + random() % 200, uint8_t(random()));
                break;
            default:
                while (data.size() < end) data.push_back(uint8_t(random()));
        }
    }
    data.resize(size);
    return data;
}

void ReportDecoding(const char* what, const std::vector<uint8_t>& stream) {
    size_t outputSize = LzhDecode(stream.data(), stream.size()).size();
    double seconds = TimePerRun([&] { LzhDecode(stream.data(), stream.size()); }, 1.0);
    std::printf("%-28s %9zu -> %9zu bytes  %7.1f MB/s of output\n", what, stream.size(), outputSize,
                outputSize / seconds / 1e6);
}

}  // namespace

int main() {
    std::vector<uint8_t> property = ReadWholeFile(QUORVIK_SKIN_STREAM);
    std::vector<uint8_t> skinStream(property.begin() + 4, property.end());
    ReportDecoding("decompress built skin", skinStream);

    std::vector<uint8_t> mixed = MixedData(10u << 20);
    Clock::time_point start = Clock::now();
    std::vector<uint8_t> mixedStream = LzhEncode(mixed.data(), mixed.size());
    std::printf("%-28s %9zu -> %9zu bytes  %7.1f MB/s of input\n", "compress 10 MB mixed", mixed.size(),
                mixedStream.size(), mixed.size() / Seconds(start) / 1e6);
    ReportDecoding("decompress 10 MB mixed", mixedStream);

    TSkinHost host;
    double load = TimePerRun(
        [&] {
            TSkinData skin(host);
            skin.ReadSkinStream(ByteView(property.data(), property.size(), "damaged"));
        },
        1.0);
    std::printf("%-28s %9.2f ms\n", "load whole built skin", load * 1e3);
    return 0;
}
