#pragma once
#include <windows.h>

#include <utility>

#include "base/Events.h"

// What a window procedure of ours did with one message so far: whether the
// procedure below it (the default) ran, and what it answered.
struct TMessageRecord {
    bool DefaultCalled = false;
    LRESULT DefaultResult = 0;
};

// Runs one message through a window procedure of ours inside the program's
// one catch-all. current points at the record of the message in progress
// (messages nest), so that the default procedure can note that it ran; the
// object that owns current must outlive the message. When
// the procedure fails, the message still gets the default treatment exactly
// once: it is run now unless it ran already, and its answer is the result.
// A message that the window below must always see (its last one) gets the
// default treatment even when the procedure kept it.
template <class Handle, class Default>
LRESULT DispatchGuarded(TMessageRecord*& current, Handle&& handle, Default&& callDefault,
                        bool defaultRequired = false) {
    TMessageRecord record;
    TMessageRecord* outer = std::exchange(current, &record);
    LRESULT result = 0;
    bool handled = false;
    RunGuarded([&] {
        result = handle();
        handled = true;
    });
    if (!record.DefaultCalled && (!handled || defaultRequired)) callDefault();
    current = outer;
    return handled ? result : record.DefaultResult;
}

// Notes the default's answer in the record of the message in progress.
inline LRESULT NoteDefault(TMessageRecord* current, LRESULT result) {
    if (current) {
        current->DefaultCalled = true;
        current->DefaultResult = result;
    }
    return result;
}
