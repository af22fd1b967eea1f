#include "app/PostingWorker.h"

#include <objbase.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// One job handed to a thread, with the window its delivery goes to.
struct TOrder {
    HWND Window;
    TPostingWorker::Job Job;
    // The bookkeeping on the window's thread; false when the job's delivery
    // is to be dropped.
    std::function<bool()> Finished;
};

struct TPostingWorker::TMailbox {
    std::mutex Lock;
    std::condition_variable Wake;
    std::optional<TOrder> Order;
    bool Quit = false;
};

// The bookkeeping, on the window's thread only.
struct TPostingWorker::TState {
    unsigned Generation = 0;  // of the thread that serves now
    DWORD BusySince = 0;      // 0: no job runs
    DWORD BusyPeer = 0;
    bool GivenUp = false;     // a thread is given up and not back yet
    DWORD ShutOutPeer = 0;
};

void TPostingWorker::Serve(std::shared_ptr<TMailbox> mailbox, UINT message, std::function<void()> threadEnd) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (;;) {
        std::unique_lock lock(mailbox->Lock);
        mailbox->Wake.wait(lock, [&] { return mailbox->Quit || mailbox->Order; });
        if (!mailbox->Order) break;
        TOrder order = std::move(*mailbox->Order);
        mailbox->Order.reset();
        lock.unlock();
        auto* posted = new TPostingWorker::Delivery(
            [finished = std::move(order.Finished), delivery = order.Job()] {
                if (finished()) delivery();
            });
        if (!PostMessageW(order.Window, message, 0, reinterpret_cast<LPARAM>(posted))) delete posted;
    }
    threadEnd();
    CoUninitialize();
}

TPostingWorker::TPostingWorker(UINT message, std::function<void()> threadEnd)
    : FMessage(message), FThreadEnd(std::move(threadEnd)), FState(std::make_shared<TState>()) {}

TPostingWorker::~TPostingWorker() {
    if (!FMailbox) return;
    std::lock_guard lock(FMailbox->Lock);
    FMailbox->Quit = true;
    FMailbox->Wake.notify_one();
}

void TPostingWorker::StartThread() {
    FMailbox = std::make_shared<TMailbox>();
    std::thread(Serve, FMailbox, FMessage, FThreadEnd).detach();
}

bool TPostingWorker::Post(HWND window, DWORD peer, Job job) {
    TState& state = *FState;
    if (state.BusySince || (state.GivenUp && peer == state.ShutOutPeer)) return false;
    if (!FMailbox) StartThread();
    state.BusySince = GetTickCount() | 1;
    state.BusyPeer = peer;
    unsigned generation = state.Generation;
    // A delivery from a given-up thread only says that its peer answers again.
    auto finished = [weakState = std::weak_ptr<TState>(FState), generation] {
        std::shared_ptr<TState> held = weakState.lock();
        if (!held) return false;
        if (generation == held->Generation) {
            held->BusySince = 0;
            return true;
        }
        held->GivenUp = false;
        return false;
    };
    std::lock_guard lock(FMailbox->Lock);
    FMailbox->Order = TOrder{window, std::move(job), std::move(finished)};
    FMailbox->Wake.notify_one();
    return true;
}

void TPostingWorker::GiveUpIfStuck(DWORD limitMs) {
    TState& state = *FState;
    if (!state.BusySince || state.GivenUp || GetTickCount() - state.BusySince <= limitMs) return;
    state.GivenUp = true;
    state.ShutOutPeer = state.BusyPeer;
    state.BusySince = 0;
    ++state.Generation;
    {
        std::lock_guard lock(FMailbox->Lock);
        FMailbox->Quit = true;
    }
    FMailbox.reset();
}

void TPostingWorker::Deliver(LPARAM posted) {
    std::unique_ptr<Delivery> delivery(reinterpret_cast<Delivery*>(posted));
    (*delivery)();
}
