#pragma once
#include <windows.h>

#include <functional>
#include <memory>

// Work that may block in another process (a peer), done on a thread of its
// own that owns a COM apartment. What the work gives back runs on the
// window's thread, posted to the window as a message, so the window never
// waits for the work. One job runs at a time.
//
// A thread stuck in a peer that does not answer is given up: that peer gets
// nothing more until the thread comes back, a new thread serves the others,
// and no more than one thread is given up at a time. Nothing ever waits for
// a thread to end, not even the worker's end.
class TPostingWorker {
public:
    // What a job gives back, to run on the window's thread.
    using Delivery = std::function<void()>;
    using Job = std::function<Delivery()>;

    // message: what the window procedure hands to Deliver. threadEnd runs on
    // each thread before its COM ends.
    TPostingWorker(UINT message, std::function<void()> threadEnd);
    ~TPostingWorker();
    TPostingWorker(const TPostingWorker&) = delete;
    TPostingWorker& operator=(const TPostingWorker&) = delete;

    // Starts the job for the peer, to be delivered to the window; false
    // while a job runs or the peer is shut out.
    bool Post(HWND window, DWORD peer, Job job);
    // Gives up the running job's thread when the job has run for longer than
    // the limit, unless a thread is given up already.
    void GiveUpIfStuck(DWORD limitMs);
    // Runs a delivery: the window procedure calls it with the message's
    // second parameter.
    static void Deliver(LPARAM posted);

private:
    struct TMailbox;
    struct TState;
    void StartThread();
    static void Serve(std::shared_ptr<TMailbox> mailbox, UINT message, std::function<void()> threadEnd);

    UINT FMessage;
    std::function<void()> FThreadEnd;
    std::shared_ptr<TMailbox> FMailbox;
    std::shared_ptr<TState> FState;
};
