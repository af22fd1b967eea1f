#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/FeedManifest.h"
#include "app/StagedFile.h"
#include "base/HttpMessage.h"
#include "base/Sha256.h"

// A database's download as it arrives: gzip decompressed through zlib,
// measured and hashed on the way, and written to its staged file. Neither
// the compressed nor the whole file is ever held in memory; bytes beyond the
// sizes the manifest gives are refused at once.
class TStagingSink : public HttpSink {
public:
    // received: the compressed bytes so far, from the client's thread.
    TStagingSink(const FeedFile& file, TStagedFile& staged, std::function<void(uint64_t)> received);
    ~TStagingSink() override;

    bool Write(const char* data, size_t size) override;
    void Progress(uint64_t received, std::optional<uint64_t> announced) override;
    // Once the body has ended: what is wrong with the file (GBK), or none
    // when it is whole and its digest is the manifest's.
    std::optional<std::string> Problem();

private:
    bool Inflate(const char* data, size_t size);
    bool Refuse(std::string problem);

    struct TInflater;
    const FeedFile& FFile;
    TStagedFile& FStaged;
    std::function<void(uint64_t)> FReceived;
    std::unique_ptr<TInflater> FInflater;
    TSha256 FSha256;
    uint64_t FCompressed = 0;
    uint64_t FInflated = 0;
    bool FEnded = false;
    std::optional<std::string> FProblem;
};
