#pragma once
#include <windows.h>

#include <optional>
#include <string>

// What a browser window's accessibility tree gave: its address field's value,
// or that it has no address field.
struct TAddressReading {
    // False: no address field in the window.
    bool FieldFound = false;
    std::wstring Address;
    // The field has the keyboard focus: the user may be typing.
    bool Typing = false;
    bool operator==(const TAddressReading&) const = default;
};

// Reads the address field of a browser window, found by role and place
// (app/AddressField.h). The calls go into the browser's process and block
// while it does not answer, so make them on a thread of their own that has
// started COM. The field found is remembered per window on the calling
// thread, so that later readings ask the field alone. None when the browser
// failed to answer.
std::optional<TAddressReading> ReadAccessibleAddress(HWND window);

// Forgets the fields the calling thread remembers; call it before the
// thread's COM ends.
void ForgetAddressFields();
