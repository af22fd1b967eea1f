#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/FeedManifest.h"
#include "base/HttpMessage.h"
#include "base/SystemPath.h"

// The part of a database update that may wait for the network, on a
// worker: the feeds asked in turn for their signed manifest, and what is
// newer downloaded, checked and staged beside the installed files. The
// swap itself is left to the window's thread, between lookups.

struct FeedRequest {
    // Folder URLs ending in "/": manifest.json, manifest.sig and each file
    // as its name and ".gz" lie there.
    std::vector<std::wstring> Feeds;
    // Of the manifest last taken whole, for a conditional request.
    std::string ETag, LastModified;
    // Name and version of each database the program has.
    std::vector<FeedFile> Installed;
    std::string ProgramVersion;
    // The folder of the updated files, with its trailing separator.
    SystemPath Folder;
};

struct FeedPorts {
    HttpTransport Send;
    // Whether the signature over the manifest from this feed is the publisher's.
    std::function<bool(const std::wstring& feed, const std::string& manifest, const std::string& signature)> Authentic;
    // Compressed bytes received so far of all that is downloaded, from the
    // HTTP client's thread.
    std::function<void(uint64_t received, uint64_t total)> Progress;
};

enum class FeedOutcome { UpToDate, Staged, Refused, Cancelled };

struct FeedResult {
    FeedOutcome Outcome = FeedOutcome::Refused;
    std::string Message;  // why it was refused (GBK), a line for each feed asked
    // The files downloaded and checked, each at StagedPath.
    std::vector<FeedFile> Staged;
    // Of the manifest the result comes from, to be kept once it is installed.
    std::string ETag, LastModified;
};

// Requests give up after 15 s without an answer or 30 s without a byte.
FeedResult CheckFeeds(const FeedRequest& request, const FeedPorts& ports);

// Where a file is staged, downloaded and checked, until it is swapped in.
SystemPath StagedPath(const SystemPath& folder, const std::string& name);
// A name (ASCII) as a path's part.
SystemPath PathPart(const std::string& name);
