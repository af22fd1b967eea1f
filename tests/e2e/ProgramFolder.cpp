#include "tests/e2e/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/Sha256.h"

namespace fs = std::filesystem;

std::wstring FromBuild(const char* variable) {
    const char* value = std::getenv(variable);
    std::wstring path = ui::Widen(value ? value : "");
    // Wine shows the Unix file system as drive Z:.
    if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

std::wstring ScreenshotPath(const std::string& name) {
    fs::path folder = FromBuild("QUORVIK_SCREENSHOTS");
    fs::create_directories(folder);
    return (folder / ui::Widen(name + ".bmp")).wstring();
}

ProgramFolder::ProgramFolder(const std::string& name, const std::wstring& parent) {
    fs::path folder = fs::temp_directory_path() / parent / ui::Widen("quorvik-e2e-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder / L"zelkona");
    fs::path exe = FromBuild("QUORVIK_EXE");
    fs::copy_file(exe, folder / L"quorvik.exe");
    fs::copy_file(exe.parent_path() / L"zelkona" / L"help.chm", folder / L"zelkona" / L"help.chm");
    FFolder = folder.wstring();
}

void ProgramFolder::PutDatabase(const std::string& bytes, const wchar_t* name) {
    std::ofstream(fs::path(FFolder) / L"zelkona" / name, std::ios::binary) << bytes;
}

void ProgramFolder::PutDefaultDatabases() {
    fs::path ipv4 = FromBuild("QUORVIK_DEFAULT_DB");
    for (fs::path source : {ipv4, ipv4.parent_path() / kIpv6Database})
        fs::copy_file(source, fs::path(FFolder) / L"zelkona" / source.filename(), fs::copy_options::overwrite_existing);
}

void ProgramFolder::RemoveDatabase(const wchar_t* name) { fs::remove(fs::path(FFolder) / L"zelkona" / name); }

void ProgramFolder::PutVersionFile(const std::string& version) {
    fs::path folder = fs::path(FFolder) / L"zelkona";
    std::string lines;
    for (const wchar_t* name : {kIpv4Database, kIpv6Database}) {
        std::ifstream file(folder / name, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), {});
        if (!bytes.empty()) lines += ui::Narrow(name) + " " + version + " " + Sha256Hex(bytes) + "\r\n";
    }
    std::ofstream(folder / L"data-version.txt", std::ios::binary) << lines;
}
