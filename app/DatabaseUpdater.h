#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/InstalledData.h"
#include "app/PostingWorker.h"
#include "app/UpdateSettings.h"
#include "app/UpdateStates.h"
#include "base/win32/Handles.h"
#include "forms/DataUpdateLink.h"

class THttpClient;

// The program's database update, started from the update window: the feeds
// are asked and the files downloaded on a worker that the window never
// waits on; the files are checked and swapped in on the window's thread,
// between lookups. One update runs at a time, across programs too, through
// a named mutex. Nothing happens without the user's command.
class TDatabaseUpdater : public TDataUpdateLink {
public:
    // Runs a step on the window's thread once no reader is open and no
    // batch runs; true when it waits for a batch to end.
    using BetweenReaders = std::function<bool(std::function<void()>)>;

    // message: the one the window hands to TPostingWorker::Deliver.
    TDatabaseUpdater(UINT message, BetweenReaders betweenReaders);
    ~TDatabaseUpdater() override;

    // Where the worker's results go.
    void SetWindow(HWND window) { FWindow = window; }
    // At start, before any lookup: what the user is to be told, once, of
    // updated data that had to be given up.
    std::optional<std::string> Recover();
    SystemPath DatabasePath(std::string_view name) const { return FInstalled.Path(name); }

    TUpdateView View() override;
    std::wstring Mirror() const override { return FSettings.Mirror; }
    std::optional<std::string> Start(const std::wstring& mirror) override;
    void Cancel() override;

private:
    struct TProgress {
        std::atomic<uint64_t> Received{0}, Total{0};
    };
    void Deliver(unsigned run, const FeedResult& result);
    void Install(unsigned run);
    void KeepManifestTag(const FeedResult& result);
    bool TakeMutex();
    void ReleaseMutexWhenDone();

    BetweenReaders FBetweenReaders;
    HWND FWindow = nullptr;
    TInstalledData FInstalled;
    UpdateSettings FSettings;
    TUpdateStates FStates;
    TKernelHandle FMutex;
    std::shared_ptr<THttpClient> FClient;
    std::shared_ptr<TProgress> FProgress = std::make_shared<TProgress>();
    // What the current run staged, until it is installed or given up.
    FeedResult FPending;
    TPostingWorker FWorker;
};
