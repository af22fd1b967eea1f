#include "app/RunKey.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <sddl.h>
#include <shlwapi.h>

namespace {

// RegOverridePredefKey points the user's and the machine's root keys at two
// keys of this one, so that the tests neither need nor touch the real ones.
const std::wstring kTestKey = L"Software\\Quorvik RunKey test";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kQuoted[] = L"\"C:\\Program Files\\Quorvik\\quorvik.exe\"";
const wchar_t kOlderQuoted[] = L"\"C:\\Quorvik 1.0\\quorvik.exe\"";
const wchar_t kNone[] = L"";
const char kMachineRefused[] = "无法删除所有用户的开机启动项，请以管理员身份运行 Quorvik 后再试。";
const char kUserRefused[] = "无法写入当前用户的开机启动项。";
// Everyone may do all but set or delete a value, as a standard user may
// with the machine's Run key.
const wchar_t kValuesLocked[] = L"D:(D;;0x2;;;WD)(A;;KA;;;WD)";

enum class Switch { On, Off };

struct RunKeyCase {
    const char* behaviour;
    const wchar_t* userBefore;
    const wchar_t* machineBefore;
    bool userLocked;
    bool machineLocked;
    bool markBefore;
    Switch action;
    const wchar_t* userAfter;
    const wchar_t* machineAfter;
    const char* told;  // null when nothing is told
    bool markAfter;
};

const RunKeyCase kCases[] = {
    {"switching on writes the user's key, not the machine's", kNone, kNone, false, false, false, Switch::On, kQuoted,
     kNone, nullptr, true},
    {"a value under the machine's key alone shows the mark and goes", kNone, kOlderQuoted, false, false, true,
     Switch::Off, kNone, kNone, nullptr, false},
    {"switching off removes both values", kQuoted, kOlderQuoted, false, false, true, Switch::Off, kNone, kNone, nullptr,
     false},
    {"a machine's value that may not go is told and keeps the mark", kQuoted, kOlderQuoted, false, true, true,
     Switch::Off, kNone, kOlderQuoted, kMachineRefused, true},
    {"a refused write of the user's key is told and leaves the mark off", kNone, kNone, true, false, false, Switch::On,
     kNone, kNone, kUserRefused, false},
};

HKEY CreatedKey(HKEY parent, const std::wstring& path) {
    HKEY key = nullptr;
    RegCreateKeyExW(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

// One root's Run key, as the test arranges and reads it.
class TestRoot {
public:
    explicit TestRoot(const std::wstring& name)
        : FRoot(CreatedKey(HKEY_CURRENT_USER, kTestKey + L"\\" + name)), FRun(CreatedKey(FRoot, kRunKey)) {}
    ~TestRoot() {
        RegCloseKey(FRun);
        RegCloseKey(FRoot);
    }

    HKEY Root() const { return FRoot; }

    void Put(const wchar_t* value) {
        if (*value)
            RegSetValueExW(FRun, L"ip", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                           DWORD((wcslen(value) + 1) * sizeof(wchar_t)));
    }

    std::wstring Value() const {
        wchar_t data[MAX_PATH] = {};
        DWORD size = sizeof data - sizeof(wchar_t);
        if (RegQueryValueExW(FRun, L"ip", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
            return kNone;
        return data;
    }

    void Lock() {
        PSECURITY_DESCRIPTOR locked = nullptr;
        ASSERT_TRUE(
            ConvertStringSecurityDescriptorToSecurityDescriptorW(kValuesLocked, SDDL_REVISION_1, &locked, nullptr));
        ASSERT_EQ(RegSetKeySecurity(FRun, DACL_SECURITY_INFORMATION, locked), ERROR_SUCCESS);
        LocalFree(locked);
    }

private:
    HKEY FRoot;
    HKEY FRun;
};

// Each case on fresh keys standing in for the user's and the machine's.
class RunKeyTest : public testing::Test {
protected:
    void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey.c_str()); }

    void Run(const RunKeyCase& c) {
        SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey.c_str());
        TestRoot user(L"user"), machine(L"machine");
        user.Put(c.userBefore);
        machine.Put(c.machineBefore);
        if (c.userLocked) user.Lock();
        if (c.machineLocked) machine.Lock();
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user.Root()), ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine.Root()), ERROR_SUCCESS);

        bool markBefore = RunValueExists();
        std::optional<std::string> told = c.action == Switch::On ? WriteRunValue(kQuoted) : DeleteRunValues();
        bool markAfter = RunValueExists();
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);

        EXPECT_EQ(markBefore, c.markBefore);
        EXPECT_EQ(user.Value(), c.userAfter) << "user's value";
        EXPECT_EQ(machine.Value(), c.machineAfter) << "machine's value";
        EXPECT_EQ(told.value_or("(nothing)"), c.told ? c.told : "(nothing)");
        EXPECT_EQ(markAfter, c.markAfter);
    }
};

}  // namespace

TEST_F(RunKeyTest, SwitchingWritesTheUsersKeyRemovesBothAndTellsRefusals) {
    for (const RunKeyCase& c : kCases) {
        SCOPED_TRACE(c.behaviour);
        Run(c);
    }
}
