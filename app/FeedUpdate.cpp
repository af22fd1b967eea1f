#include "app/FeedUpdate.h"

#include <algorithm>
#include <list>

#include "app/StagingSink.h"
#include "base/Exception.h"
#include "base/HttpRedirects.h"

namespace {
const HttpDeadlines kDeadlines = {.ConnectMs = 15000, .IdleMs = 30000};
const size_t kLargestManifest = 256 << 10;
const size_t kLargestSignature = 4096;

FeedResult Ended(FeedOutcome outcome, std::string message = "") { return {.Outcome = outcome, .Message = message}; }

// A refused body whose status was no success says the status.
std::string FailureText(const HttpResponse& response) {
    if (response.Status && response.Status != 200) return "服务器回答 HTTP " + std::to_string(response.Status);
    switch (response.Outcome) {
    case HttpOutcome::Answered: return "服务器回答 HTTP " + std::to_string(response.Status);
    case HttpOutcome::TimedOut: return "服务器没有及时回答";
    case HttpOutcome::BodyRefused: return "内容过大";
    case HttpOutcome::Cancelled: return "已取消";
    case HttpOutcome::Failed: break;
    }
    if (response.SystemError == kRedirectRefused) return "重定向过多，或从 https 转到了 http";
    return "无法连接（错误 " + std::to_string(response.SystemError) + "）";
}

bool Fetched(const HttpResponse& response) {
    return response.Outcome == HttpOutcome::Answered && response.Status == 200;
}

std::vector<std::string> ConditionalHeaders(const FeedRequest& request) {
    std::vector<std::string> headers;
    if (!request.ETag.empty()) headers.push_back("If-None-Match: " + request.ETag);
    if (!request.LastModified.empty()) headers.push_back("If-Modified-Since: " + request.LastModified);
    return headers;
}

std::vector<FeedFile> NewerFiles(const std::vector<FeedFile>& offered, const std::vector<FeedFile>& installed) {
    std::vector<FeedFile> newer;
    for (const FeedFile& file : offered) {
        auto mine =
            std::find_if(installed.begin(), installed.end(), [&](const FeedFile& f) { return f.Name == file.Name; });
        if (mine == installed.end() || CompareVersions(file.Version, mine->Version) > 0) newer.push_back(file);
    }
    return newer;
}

// A URL as a message shows it: ASCII, anything else "?".
std::string Shown(const std::wstring& url) {
    std::string shown;
    for (wchar_t c : url) shown += c >= L' ' && c <= L'~' ? char(c) : '?';
    return shown;
}

class TFeedAttempt {
public:
    TFeedAttempt(const std::wstring& feed, const FeedRequest& request, const FeedPorts& ports)
        : FFeed(feed), FRequest(request), FPorts(ports) {}

    FeedResult Run() {
        HttpBodyBuffer manifest(kLargestManifest);
        HttpResponse answer = Get(L"manifest.json", ConditionalHeaders(FRequest), manifest);
        if (answer.Outcome == HttpOutcome::Cancelled) return Ended(FeedOutcome::Cancelled);
        FeedResult result{.ETag = answer.Header("ETag").value_or(""),
                          .LastModified = answer.Header("Last-Modified").value_or("")};
        if (answer.Outcome == HttpOutcome::Answered && answer.Status == 304)
            return {.Outcome = FeedOutcome::UpToDate, .ETag = FRequest.ETag, .LastModified = FRequest.LastModified};
        if (!Fetched(answer)) return Ended(FeedOutcome::Refused, "清单：" + FailureText(answer));
        HttpBodyBuffer signature(kLargestSignature);
        HttpResponse signatureAnswer = Get(L"manifest.sig", {}, signature);
        if (signatureAnswer.Outcome == HttpOutcome::Cancelled) return Ended(FeedOutcome::Cancelled);
        if (!Fetched(signatureAnswer)) return Ended(FeedOutcome::Refused, "签名：" + FailureText(signatureAnswer));
        if (!FPorts.Authentic(FFeed, manifest.Body(), signature.Body()))
            return Ended(FeedOutcome::Refused, "清单的签名无效，不是发布者签发的");
        std::vector<FeedFile> newer;
        try {
            newer = NewerFiles(ParseFeedManifest(manifest.Body()), FRequest.Installed);
        } catch (const Exception& error) {
            return Ended(FeedOutcome::Refused, error.Message());
        }
        for (const FeedFile& file : newer)
            if (CompareVersions(FRequest.ProgramVersion, file.MinProgram) < 0)
                return Ended(FeedOutcome::Refused,
                             "新的 " + file.Name + " 需要 Quorvik " + file.MinProgram + " 或更新的版本，请先更新程序");
        result.Outcome = newer.empty() ? FeedOutcome::UpToDate : Download(newer, result.Message);
        if (result.Outcome == FeedOutcome::Staged) result.Staged = newer;
        return result;
    }

private:
    HttpResponse Get(const std::wstring& name, std::vector<std::string> headers, HttpSink& sink) {
        return FPorts.Send({.Url = FFeed + name, .Headers = std::move(headers), .Deadlines = kDeadlines}, sink);
    }

    // Every file or none: a file that fails takes those before it along.
    FeedOutcome Download(const std::vector<FeedFile>& files, std::string& message) {
        if (std::optional<std::string> blocked = MakeFolders(FRequest.Folder)) {
            message = *blocked;
            return FeedOutcome::Refused;
        }
        uint64_t total = 0, before = 0;
        for (const FeedFile& file : files) total += file.CompressedSize;
        std::list<TStagedFile> staged;
        for (const FeedFile& file : files) {
            std::string problem;
            FeedOutcome outcome = DownloadOne(file, staged.emplace_back(), before, total, problem);
            if (outcome != FeedOutcome::Staged) {
                message = file.Name + "：" + problem;
                return outcome;
            }
            before += file.CompressedSize;
        }
        for (TStagedFile& file : staged)
            if (!file.Commit()) {
                message = "无法把下载的文件写入磁盘";
                return FeedOutcome::Refused;
            }
        return FeedOutcome::Staged;
    }

    FeedOutcome DownloadOne(const FeedFile& file, TStagedFile& staged, uint64_t before, uint64_t total,
                            std::string& problem) {
        if (!staged.Create(StagedPath(FRequest.Folder, file.Name))) {
            problem = "无法建立临时文件";
            return FeedOutcome::Refused;
        }
        TStagingSink sink(file, staged, [&](uint64_t received) {
            if (FPorts.Progress) FPorts.Progress(before + received, total);
        });
        HttpResponse answer = Get(std::wstring(file.Name.begin(), file.Name.end()) + L".gz", {}, sink);
        if (answer.Outcome == HttpOutcome::Cancelled) return FeedOutcome::Cancelled;
        bool arrived = (answer.Outcome == HttpOutcome::BodyRefused || Fetched(answer)) && answer.Status == 200;
        problem = arrived ? sink.Problem().value_or("") : FailureText(answer);
        return problem.empty() ? FeedOutcome::Staged : FeedOutcome::Refused;
    }
    const std::wstring& FFeed;
    const FeedRequest& FRequest;
    const FeedPorts& FPorts;
};
}  // namespace

FeedResult CheckFeeds(const FeedRequest& request, const FeedPorts& ports) {
    std::string refusals;
    for (const std::wstring& feed : request.Feeds) {
        FeedResult result = TFeedAttempt(feed, request, ports).Run();
        if (result.Outcome != FeedOutcome::Refused) return result;
        if (!refusals.empty()) refusals += "\r";
        refusals += Shown(feed) + "：" + result.Message;
    }
    return Ended(FeedOutcome::Refused, refusals.empty() ? "没有可用的数据源" : refusals);
}

SystemPath PathPart(const std::string& name) { return SystemPath(name.begin(), name.end()); }

SystemPath StagedPath(const SystemPath& folder, const std::string& name) { return folder + PathPart(name + ".new"); }
