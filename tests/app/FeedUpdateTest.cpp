#include "app/FeedUpdate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "base/HttpRedirects.h"
#include "base/Sha256.h"

namespace fs = std::filesystem;

namespace {
// Bytes that gzip cannot shrink, so that a download comes in many pieces.
std::string Noise(uint32_t seed, size_t size) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = char((seed = seed * 1103515245 + 12345) >> 16);
    return bytes;
}

std::string Gzip(const std::string& data) {
    z_stream stream = {};
    deflateInit2(&stream, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, uLong(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

const std::string kIpv4 = Noise(4, 50000), kIpv6 = Noise(6, 30000);

std::string Entry(const std::string& name, const std::string& data, const std::string& sha, const char* minProgram) {
    return R"({"name": ")" + name + R"(", "version": "2.0", "size": )" + std::to_string(data.size()) +
           R"(, "compressed_size": )" + std::to_string(Gzip(data).size()) + R"(, "sha256": ")" + sha +
           R"(", "min_program": ")" + minProgram + R"(", "credits": "CC BY 4.0", "probes": [{"address": ")" +
           (name == "cxsjk.Dat" ? "1.2.4.5" : "2001:db8::") + R"(", "answer": "\u4e2d\u56fd"}]})";
}

struct Served {
    int Status = 200;
    std::string Body;
    HttpOutcome Outcome = HttpOutcome::Answered;
    size_t CancelAfter = SIZE_MAX;
};

// The feed at https://f/, whole and right; each case spoils it.
std::map<std::wstring, Served> GoodFeed(const char* minProgram = "1.0", std::string ipv4Sha = "") {
    if (ipv4Sha.empty()) ipv4Sha = Sha256Hex(kIpv4);
    std::string manifest = "{\"files\": [" + Entry("cxsjk.Dat", kIpv4, ipv4Sha, minProgram) + ", " +
                           Entry("cxsjk6.Dat", kIpv6, Sha256Hex(kIpv6), minProgram) + "]}";
    return {{L"https://f/manifest.json", {.Body = manifest}},
            {L"https://f/manifest.sig", {.Body = "signed"}},
            {L"https://f/cxsjk.Dat.gz", {.Body = Gzip(kIpv4)}},
            {L"https://f/cxsjk6.Dat.gz", {.Body = Gzip(kIpv6)}}};
}

struct Check {
    FeedResult Result;
    // The files asked for: j manifest.json (J conditionally), s manifest.sig,
    // 4 cxsjk.Dat.gz, 6 cxsjk6.Dat.gz.
    std::string Asked;
};

// The server answers from the table, 404 for anything else, in pieces of
// 1,000 bytes.
Check CheckFeed(const std::map<std::wstring, Served>& server, const SystemPath& folder, std::string installed = "1.0",
                std::vector<std::wstring> feeds = {L"https://f/"}) {
    std::string asked;
    auto send = [&](const HttpRequest& request, HttpSink& sink) {
        EXPECT_TRUE(request.Deadlines.ConnectMs == 15000 && request.Deadlines.IdleMs == 30000 &&
                    request.Deadlines.WholeMs == 0);
        std::wstring url = request.Url;
        std::wstring file = url.substr(url.rfind(L'/') + 1);
        for (int i = 0; i < 4; ++i)
            if (file == std::vector<std::wstring>{L"manifest.json", L"manifest.sig", L"cxsjk.Dat.gz", L"cxsjk6.Dat.gz"}[i])
                asked += request.Headers.empty() ? "js46"[i] : 'J';
        auto found = server.find(url);
        Served served = found == server.end() ? Served{.Status = 404, .Body = "no"} : found->second;
        if (served.Outcome != HttpOutcome::Answered)
            return HttpResponse{.Outcome = served.Outcome, .SystemError = kRedirectRefused};
        for (size_t at = 0; at < served.Body.size(); at += 1000) {
            if (at >= served.CancelAfter) return HttpResponse{.Outcome = HttpOutcome::Cancelled};
            if (!sink.Write(served.Body.data() + at, std::min<size_t>(1000, served.Body.size() - at)))
                return HttpResponse{.Outcome = HttpOutcome::BodyRefused, .Status = served.Status};
        }
        return HttpResponse{.Outcome = HttpOutcome::Answered, .Status = served.Status, .Headers = "ETag: \"t\"\r\n"};
    };
    FeedRequest request{
        .Feeds = feeds,
        .ETag = installed == "tagged" ? "\"t\"" : "",
        .Installed = {{.Name = "cxsjk.Dat", .Version = installed}, {.Name = "cxsjk6.Dat", .Version = "1.0"}},
        .ProgramVersion = "1.13",
        .Folder = folder};
    FeedPorts ports{.Send = send,
                    .Authentic = [](auto&, auto&, const std::string& signature) { return signature == "signed"; }};
    return {CheckFeeds(request, ports), asked};
}

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

class FeedUpdate : public testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(FRoot);
        fs::create_directories(FRoot);
    }
    fs::path FRoot = fs::path(testing::TempDir()) / "FFeedUpdate";
    SystemPath FFolder = (FRoot / "Quorvik" / "zelkona" / "").native();
};
}  // namespace

TEST_F(FeedUpdate, OnlyAWholeSignedNewerFileIsStaged) {
    auto spoiled = [](std::wstring file, Served served) {
        std::map<std::wstring, Served> feed = GoodFeed();
        feed[L"https://f/" + file] = served;
        return feed;
    };
    std::string truncated = Gzip(kIpv6).substr(0, 9000);
    const struct {
        std::map<std::wstring, Served> server;
        std::string installed;
        FeedOutcome outcome;
        std::string message, asked;  // a part of the message
    } cases[] = {
        {GoodFeed(), "1.0", FeedOutcome::Staged, "", "js46"},
        {GoodFeed(), "2.0", FeedOutcome::Staged, "", "js6"},  // only the IPv6 file is newer
        {spoiled(L"manifest.json", {.Status = 304}), "tagged", FeedOutcome::UpToDate, "", "J"},
        {spoiled(L"manifest.sig", {.Body = "forged"}), "1.0", FeedOutcome::Refused, "清单的签名无效", "js"},
        {GoodFeed("1.0", Sha256Hex("other")), "1.0", FeedOutcome::Refused, "cxsjk.Dat：SHA-256 校验值与清单不符", "js4"},
        {spoiled(L"cxsjk6.Dat.gz", {.Body = truncated}), "1.0", FeedOutcome::Refused, "cxsjk6.Dat：下载不完整", "js46"},
        {spoiled(L"cxsjk.Dat.gz", {.Body = "<html>Not Found</html>"}), "1.0", FeedOutcome::Refused, "不是 gzip", "js4"},
        {spoiled(L"cxsjk.Dat.gz", {.Status = 404, .Body = "<html/>"}), "1.0", FeedOutcome::Refused, "HTTP 404", "js4"},
        {spoiled(L"cxsjk.Dat.gz", {.Outcome = HttpOutcome::Failed}), "1.0", FeedOutcome::Refused, "重定向过多", "js4"},
        {GoodFeed("9.0"), "1.0", FeedOutcome::Refused, "需要 Quorvik 9.0", "js"},
    };
    for (const auto& c : cases) {
        SetUp();
        Check check = CheckFeed(c.server, FFolder, c.installed);
        EXPECT_EQ(check.Result.Outcome, c.outcome) << c.asked << ": " << check.Result.Message;
        EXPECT_NE(check.Result.Message.find(c.message), std::string::npos) << c.asked << ": " << check.Result.Message;
        EXPECT_EQ(check.Asked, c.asked);
        bool staged = c.outcome == FeedOutcome::Staged;
        EXPECT_EQ(Read(fs::path(FFolder) / "cxsjk6.Dat.new"), staged ? kIpv6 : "") << c.asked;
    }
}

// A download cancelled halfway leaves nothing; the next starts clean.
TEST_F(FeedUpdate, CancelledDownloadLeavesNothingBehind) {
    std::map<std::wstring, Served> feed = GoodFeed();
    feed[L"https://f/cxsjk.Dat.gz"].CancelAfter = 25000;
    EXPECT_EQ(CheckFeed(feed, FFolder).Result.Outcome, FeedOutcome::Cancelled);
    EXPECT_TRUE(fs::is_empty(FFolder));
    EXPECT_EQ(CheckFeed(GoodFeed(), FFolder).Result.Outcome, FeedOutcome::Staged);
    EXPECT_EQ(Read(fs::path(FFolder) / "cxsjk.Dat.new"), kIpv4);
}

TEST_F(FeedUpdate, FeedsAreAskedInTurnAndABlockedFolderIsTold) {
    std::map<std::wstring, Served> second;
    for (auto& [url, served] : GoodFeed()) second[L"https://g/" + url.substr(10)] = served;
    Check check = CheckFeed(second, FFolder, "1.0", {L"https://f/", L"https://g/"});
    EXPECT_EQ(check.Result.Outcome, FeedOutcome::Staged) << check.Result.Message;
    EXPECT_EQ(check.Asked, "jjs46");

    fs::remove_all(FRoot / "Quorvik");
    std::ofstream(FRoot / "Quorvik") << "a file where the folder should be";
    check = CheckFeed(GoodFeed(), FFolder);
    EXPECT_EQ(check.Result.Message,
              "https://f/：无法建立文件夹 " + (FRoot / "Quorvik").string() + "：那里有一个同名的文件。");
}
