#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/Version.h"
#include "tests/e2e/DefaultRanges.h"
#include "tests/e2e/MainWindowParts.h"
#include "tests/e2e/ZipArchive.h"

using namespace ui;
namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Says which file differs rather than printing megabytes of both.
testing::AssertionResult SameBytes(const fs::path& unpacked, const fs::path& built) {
    if (Bytes(unpacked) == Bytes(built)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << Narrow(unpacked.wstring()) << " differs from " << Narrow(built.wstring());
}

std::wstring FromUtf8(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size())));
    return wide;
}

bool EveryLineEndsInCrLf(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        bool lineFeed = text[i] == '\n', carriageReturn = text[i] == '\r';
        if (lineFeed && (i == 0 || text[i - 1] != '\r')) return false;
        if (carriageReturn && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    }
    return true;
}

// The release archive as a Windows user takes it: unpacked once into a
// fresh folder of its own.
class ReleaseTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        fs::remove_all(FFolder);
        fs::create_directories(FFolder);
        FNames = UnpackZip(FromBuild("QUORVIK_RELEASE_ZIP"), FFolder.wstring());
    }

    static inline const fs::path FFolder = fs::temp_directory_path() / L"quorvik-e2e-release";
    static inline std::vector<std::string> FNames;
};

}  // namespace

TEST_F(ReleaseTest, ArchiveHoldsTheBuiltProgramItsDataAndTheReadMe) {
    std::vector<std::string> names = FNames;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"quorvik.exe", "readme.txt", "zelkona/cxsjk.Dat", "zelkona/cxsjk6.Dat",
                                               "zelkona/data-version.txt", "zelkona/help.chm"}));
    // The very files the build made and the tests use.
    fs::path built = FromBuild("QUORVIK_EXE");
    EXPECT_TRUE(SameBytes(FFolder / L"quorvik.exe", built));
    EXPECT_TRUE(SameBytes(FFolder / L"zelkona" / L"cxsjk.Dat", FromBuild("QUORVIK_DEFAULT_DB")));
    EXPECT_TRUE(SameBytes(FFolder / L"zelkona" / L"cxsjk6.Dat", built.parent_path() / L"zelkona" / L"cxsjk6.Dat"));
    EXPECT_TRUE(SameBytes(FFolder / L"zelkona" / L"help.chm", built.parent_path() / L"zelkona" / L"help.chm"));
    EXPECT_TRUE(SameBytes(FFolder / L"zelkona" / L"data-version.txt",
                          built.parent_path() / L"zelkona" / L"data-version.txt"));
}

TEST_F(ReleaseTest, ProgramStartsFromTheUnpackedFolderAndLooksUpATypedAddress) {
    Program quorvik((FFolder / L"quorvik.exe").wstring());
    ASSERT_NE(FindTopWindow(L"TForm1"), nullptr) << "the unpacked program did not start";
    MainWindow main;
    // A range halfway through the database, so the answer comes from its data.
    RangeRow row = SampleRanges(3).at(1);
    EXPECT_EQ(main.LookUp(MiddleOf(row[0], row[1])), ShownLocation(row));
}

// Notepad reads UTF-8 with a byte order mark right on a Windows of any
// language; lines end in CR LF.
TEST_F(ReleaseTest, ReadMeSaysWhatTheProgramIsHowToStartItAndWhoseDataItHolds) {
    std::string bytes = Bytes(FFolder / L"readme.txt");
    ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF")) << "no byte order mark";
    EXPECT_TRUE(EveryLineEndsInCrLf(bytes));
    std::wstring text = FromUtf8(bytes.substr(3));
    EXPECT_TRUE(text.starts_with(Widen("Quorvik " QUORVIK_VERSION))) << "the first line names program and version";
    const wchar_t* expected[] = {
        L"Quorvik 是什么", L"如何启动", L"What Quorvik is", L"How to start it",
        L"quorvik.exe", L"zelkona\\cxsjk.Dat", L"zelkona\\cxsjk6.Dat", L"zelkona\\help.chm",
        L"zelkona\\data-version.txt",
        // What the data's licences ask to travel with it.
        L"CC BY 4.0", L"https://creativecommons.org/licenses/by/4.0/", L"IP to ASN data by DB-IP",
        L"IP Geolocation by DB-IP", L"https://db-ip.com", L"https://www.routeviews.org", L"https://www.nro.net",
        L"Copyright (c) 2016 widdix GmbH", L"Permission is hereby granted",
    };
    for (const wchar_t* part : expected) EXPECT_NE(text.find(part), std::wstring::npos) << Narrow(part);
    // Data no longer used is no longer credited.
    EXPECT_EQ(text.find(L"geo-whois-asn-country"), std::wstring::npos);
}
