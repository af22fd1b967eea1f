#pragma once
// The update window and the stand-in feed (feed-stand-in.sh, in the folder
// QUORVIK_FEED_STAND_IN names), as the tests and the benchmark use them.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <filesystem>
#include <fstream>

#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/UiDriver.h"

namespace ui {

inline const MenuPath kUpdateDatabase = {2, 3};  // " 帮 助" → "更新数据库..."

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

inline std::filesystem::path FeedStandIn() { return FromBuild("QUORVIK_FEED_STAND_IN"); }

// "/feed" to the stand-in with a fault chosen by the path's first part, and
// "/feedkey" with the key the stand-in's manifest was signed with.
inline std::wstring FeedSwitches(const std::string& fault) {
    std::wstring port = Widen(ReadFile(FeedStandIn() / L"port.txt"));
    return L"/feed https://127.0.0.1:" + port + L"/" + Widen(fault) + L"/ /feedkey \"" +
           (FeedStandIn() / L"publisher.pem").wstring() + L"\"";
}

// The user's folder of updated data, "Quorvik" in the local application data.
inline std::filesystem::path UpdatedFolder() {
    wchar_t folder[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::filesystem::path(folder) / L"Quorvik";
}

// No updated data and no setting of the update, as on a new machine.
inline void ForgetUpdates() {
    std::filesystem::remove_all(UpdatedFolder());
    SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Quorvik");
}

struct UpdateForm {
    HWND window = FindTopWindow(L"TForm5");
    std::vector<HWND> labels = Children(window, L"TLabel");  // IPv4, IPv6, mirror, status
    HWND bar = Children(window, L"TProgressBar").at(0);
    HWND check = ChildWithText(window, L"TButton", "检查更新");
    HWND cancel = ChildWithText(window, L"TButton", "取消");

    std::string Status() const { return TextOf(labels[3]); }
    bool WaitForStatus(const std::string& status, std::chrono::milliseconds timeout = 30000ms) const {
        return WaitFor([&] { return Status() == status; }, timeout);
    }
};

}  // namespace ui
