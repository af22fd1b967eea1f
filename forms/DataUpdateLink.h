#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the update window shows of the program's database update.
struct TUpdateView {
    std::vector<std::string> Installed;  // where each database's data comes from, a line each
    std::string Status;
    uint64_t Received = 0, Total = 0;  // compressed bytes of the download
    bool CanStart = true, CanCancel = false;
    // Why the run numbered Run failed, while it stands failed (GBK).
    std::optional<std::string> Failure;
    unsigned Run = 0;
};

// What the update window asks of the program; the main window hands it over
// when it creates the window.
class TDataUpdateLink {
public:
    virtual ~TDataUpdateLink() = default;
    virtual TUpdateView View() = 0;
    virtual std::wstring Mirror() const = 0;
    // Keeps the mirror (empty: none) and starts an update that asks it first;
    // a mirror that is no http or https URL is refused with what to do (GBK).
    virtual std::optional<std::string> Start(const std::wstring& mirror) = 0;
    virtual void Cancel() = 0;
};
