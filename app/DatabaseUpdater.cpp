#include "app/DatabaseUpdater.h"

#include "app/CommandLine.h"
#include "app/FeedUpdate.h"
#include "app/ProgramPaths.h"
#include "app/WebAddresses.h"
#include "base/Version.h"
#include "base/win32/Files.h"
#include "base/win32/HttpClient.h"
#include "base/win32/SignatureCheck.h"

namespace {
const wchar_t kMutexName[] = L"Global\\QuorvikDatabaseUpdate";
const char* const kDatabaseLabels[] = {"IPv4：", "IPv6："};

// The publisher's public key, which the build takes from app/feed-key.pem.
std::string BuiltInKey() {
    HRSRC found = FindResourceW(nullptr, L"FEEDKEY", MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(nullptr, found)) : "";
}

// Keys given with "/feedkey FILE" count only for feeds on the loopback
// address, which only "/feed" can name.
std::vector<std::string> GivenKeys() {
    std::vector<std::string> keys;
    for (const std::wstring& file : ProgramCommandLine().Values(L"/feedkey"))
        if (std::optional<std::vector<uint8_t>> key = ReadWholeFile(file, 1 << 16))
            keys.emplace_back(key->begin(), key->end());
    return keys;
}
}  // namespace

TDatabaseUpdater::TDatabaseUpdater(UINT message, BetweenReaders betweenReaders)
    : FBetweenReaders(std::move(betweenReaders)),
      FInstalled(BundledDataFolder(), UpdatedDataFolder()),
      FSettings(ReadUpdateSettings()),
      FWorker(message, [] {}) {}

TDatabaseUpdater::~TDatabaseUpdater() {
    if (FClient) FClient->Cancel();
}

// Data given up changes what the feed's tag stands for: the next check
// takes the manifest whole.
std::optional<std::string> TDatabaseUpdater::Recover() {
    if (!TakeMutex()) return std::nullopt;
    std::optional<std::string> notice = FInstalled.Recover();
    ReleaseMutexWhenDone();
    if (notice) KeepManifestTag({});
    return notice;
}

TUpdateView TDatabaseUpdater::View() {
    if (FProgress->Total) FStates.Downloaded(FProgress->Received, FProgress->Total);
    TUpdateView view{.Status = FStates.StatusText(),
                     .Received = FProgress->Received,
                     .Total = FProgress->Total,
                     .CanStart = FStates.CanStart(),
                     .CanCancel = FStates.CanCancel(),
                     .Run = FStates.Run()};
    for (size_t i = 0; i < std::size(kDatabaseNames); ++i)
        view.Installed.push_back(kDatabaseLabels[i] + FInstalled.Description(kDatabaseNames[i]));
    if (FStates.Phase() == UpdatePhase::Failed) view.Failure = FStates.Failure();
    return view;
}

std::optional<std::string> TDatabaseUpdater::Start(const std::wstring& mirror) {
    if (!mirror.empty() && !IsFeedAddress(mirror)) return "镜像地址应以 http:// 或 https:// 开头。";
    if (!FStates.CanStart()) return std::nullopt;
    if (mirror != FSettings.Mirror) WriteMirror(FSettings.Mirror = mirror);
    unsigned run = FStates.Start();
    if (!TakeMutex()) {
        FStates.Delivered(run, {.Message = "另一个 Quorvik 正在更新数据库，请稍后再试。"});
        return std::nullopt;
    }
    FeedRequest request{.Feeds = DataFeeds(ProgramCommandLine(), FSettings.Mirror),
                        .ETag = FSettings.ETag,
                        .LastModified = FSettings.LastModified,
                        .Installed = FInstalled.Versions(),
                        .ProgramVersion = QUORVIK_VERSION,
                        .Folder = FInstalled.UpdatedFolder()};
    auto client = FClient = std::make_shared<THttpClient>("Quorvik/" QUORVIK_VERSION);
    auto progress = FProgress = std::make_shared<TProgress>();
    std::vector<std::string> ownKeys = {BuiltInKey()}, allKeys = GivenKeys();
    allKeys.insert(allKeys.end(), ownKeys.begin(), ownKeys.end());
    // On the worker: it holds what it uses, and nothing of this object.
    auto job = [this, run, request, client, progress, ownKeys, allKeys]() -> TPostingWorker::Delivery {
        FeedPorts ports{.Send = [&](const HttpRequest& ask, HttpSink& sink) { return client->Send(ask, sink); },
                        .Authentic =
                            [&](const std::wstring& feed, const std::string& manifest, const std::string& signature) {
                                return SignedByOneOf(manifest, signature, IsLoopbackHttpsUrl(feed) ? allKeys : ownKeys);
                            },
                        .Progress =
                            [&](uint64_t received, uint64_t total) {
                                progress->Total = total;
                                progress->Received = received;
                            }};
        FeedResult result = CheckFeeds(request, ports);
        return [this, run, result] { Deliver(run, result); };
    };
    if (!FWorker.Post(FWindow, 0, job)) FStates.Delivered(run, {.Message = "无法开始更新。"});
    ReleaseMutexWhenDone();
    return std::nullopt;
}

// A result that comes after its run was cancelled takes its files along.
void TDatabaseUpdater::Deliver(unsigned run, const FeedResult& result) {
    if (FStates.Delivered(run, result)) {
        FPending = result;
        if (FBetweenReaders([this, run] { Install(run); })) FStates.WaitForBatch();
    } else if (result.Outcome == FeedOutcome::Staged) {
        FInstalled.DiscardStaged(result.Staged);
    } else if (FStates.Phase() == UpdatePhase::UpToDate) {
        KeepManifestTag(result);
    }
    ReleaseMutexWhenDone();
}

void TDatabaseUpdater::Install(unsigned run) {
    if (!FStates.Installs(run)) return;
    std::string failure;
    InstallOutcome outcome = FInstalled.Install(FPending.Staged, failure);
    FStates.Installed(outcome, failure);
    if (outcome == InstallOutcome::Installed) KeepManifestTag(FPending);
    FPending = {};
    ReleaseMutexWhenDone();
}

// Files staged and waiting for a batch to end go at once, so that a new run
// can never meet them.
void TDatabaseUpdater::Cancel() {
    if (FStates.Phase() == UpdatePhase::Installing || FStates.Phase() == UpdatePhase::WaitingForBatch) {
        FInstalled.DiscardStaged(FPending.Staged);
        FPending = {};
    }
    FStates.Cancel();
    if (FClient) FClient->Cancel();
    ReleaseMutexWhenDone();
}

void TDatabaseUpdater::KeepManifestTag(const FeedResult& result) {
    FSettings.ETag = result.ETag;
    FSettings.LastModified = result.LastModified;
    WriteManifestTag(result.ETag, result.LastModified);
}

// The mutex stays with the thread that took it: the window's.
bool TDatabaseUpdater::TakeMutex() {
    if (FMutex) return true;
    FMutex.Reset(CreateMutexW(nullptr, FALSE, kMutexName));
    DWORD waited = FMutex ? WaitForSingleObject(FMutex.Get(), 0) : WAIT_FAILED;
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) return true;
    FMutex.Reset();
    return false;
}

void TDatabaseUpdater::ReleaseMutexWhenDone() {
    if (!FMutex || !FStates.CanStart()) return;
    ReleaseMutex(FMutex.Get());
    FMutex.Reset();
}
