#pragma once
#include <windows.h>

#include <optional>
#include <string>

// What a browser's address field holds, read through accessibility.
struct TAddressReading {
    std::wstring Address;
    // The field has the keyboard focus: the user may be typing.
    bool Typing = false;
    bool operator==(const TAddressReading&) const = default;
};

// Reads the address field of a browser window: editable text in the
// browser's own controls, outside every document, found by role, state and
// place, never by name. The calls go into the browser's process and block
// while it does not answer, so make them on a thread of their own that has
// started COM. The field found is remembered per window on the calling
// thread; a window without one is walked again only after a while. None
// when there is no field or the browser failed to answer.
std::optional<TAddressReading> ReadAccessibleAddress(HWND window);

// Forgets the fields the calling thread remembers; call it before the
// thread's COM ends.
void ForgetAddressFields();
