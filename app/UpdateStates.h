#pragma once
#include <cstdint>
#include <string>

#include "app/FeedUpdate.h"

// How swapping downloaded files in ended: in place; held back by another
// program that has a file open, to be finished at the next start; or
// refused, the installed data untouched.
enum class InstallOutcome { Installed, Deferred, Refused };

enum class UpdatePhase {
    Idle,
    Checking,
    Downloading,
    Installing,
    WaitingForBatch,
    Done,
    UpToDate,
    Deferred,
    Failed,
    Cancelled
};

// The states of the update window's one update at a time. A run that was
// cancelled may still have its worker out: its result is dropped (and its
// files with it), and no new run starts until the worker is back.
class TUpdateStates {
public:
    UpdatePhase Phase() const { return FPhase; }
    bool CanStart() const { return !Running() && !FWorkerOut; }
    bool CanCancel() const { return Running(); }
    // What the window says of the phase (GBK).
    std::string StatusText() const;
    // Why the last run failed (GBK).
    const std::string& Failure() const { return FFailure; }
    unsigned Run() const { return FRun; }
    uint64_t Received() const { return FReceived; }
    uint64_t Total() const { return FTotal; }

    // A new run; its number comes back with the worker's result.
    unsigned Start();
    void Downloaded(uint64_t received, uint64_t total);
    // The worker's result: whether its staged files are to be installed.
    bool Delivered(unsigned run, const FeedResult& result);
    // Whether the run's staged files are still waiting to be installed.
    bool Installs(unsigned run) const;
    void WaitForBatch();
    void Installed(InstallOutcome outcome, const std::string& failure = "");
    void Fail(const std::string& failure);
    void Cancel();

private:
    bool Running() const;

    UpdatePhase FPhase = UpdatePhase::Idle;
    unsigned FRun = 0;
    bool FWorkerOut = false;
    uint64_t FReceived = 0, FTotal = 0;
    std::string FFailure;
};
