#pragma once
#include <string>

#include "tests/e2e/UiDriver.h"

// The database files in the program's "zelkona" folder.
inline const wchar_t kIpv4Database[] = L"cxsjk.Dat";
inline const wchar_t kIpv6Database[] = L"cxsjk6.Dat";

// A fresh program folder for one test: a copy of quorvik.exe and its help
// file and, when given, databases in zelkona beside it. It lies in the
// temporary folder, or in the given folder inside it.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& name, const std::wstring& parent = L"");
    void PutDatabase(const std::string& bytes, const wchar_t* name = kIpv4Database);
    // Both databases the build made.
    void PutDefaultDatabases();
    void RemoveDatabase(const wchar_t* name = kIpv4Database);
    // data-version.txt as the build writes it: each database there with
    // the version and its SHA-256.
    void PutVersionFile(const std::string& version);
    std::wstring Exe() const { return FFolder + L"\\quorvik.exe"; }
    ui::Program Start() const { return ui::Program(Exe()); }

private:
    std::wstring FFolder;
};

// Windows path of a file that the build names by its Unix path.
std::wstring FromBuild(const char* variable);
// Where the test run keeps its screenshots.
std::wstring ScreenshotPath(const std::string& name);
