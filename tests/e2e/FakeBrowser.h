#pragma once
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

// Sent to the fake browser's address bar: it stops answering for wParam ms.
const UINT kFakeBrowserHang = WM_APP + 1;

// How one generation of the browser lays out the windows from its frame
// ("IEFrame") down to the box that holds the address.
struct BrowserLayout {
    const char* name;
    std::vector<const wchar_t*> chain;
};

inline const std::vector<BrowserLayout> kBrowserLayouts = {
    {"Classic", {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32"}},
    {"Wine", {L"ReBarWindow32", L"ComboBoxEx32"}},
    {"AddressBandCombo", {L"WorkerW", L"ReBarWindow32", L"Address Band Root", L"ComboBoxEx32"}},
    {"AddressBandEdit", {L"WorkerW", L"ReBarWindow32", L"Address Band Root", L"Edit"}},
};

inline std::ostream& operator<<(std::ostream& out, const BrowserLayout& layout) { return out << layout.name; }

// Names each test of a layout after the layout.
struct LayoutTestName {
    template <class ParamInfo>
    std::string operator()(const ParamInfo& info) const {
        return info.param.name;
    }
};
