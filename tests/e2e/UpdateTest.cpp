// The database update as a person meets it, against the stand-in feed
// (feed-stand-in.sh), which serves what publish-db.sh made with a key made
// at run time; the program trusts that key through "/feedkey".
#include <gtest/gtest.h>

#include "tests/e2e/BatchWindowParts.h"
#include "tests/e2e/DohStandIn.h"
#include "tests/e2e/MainWindowParts.h"
#include "tests/e2e/TestDatabase.h"
#include "tests/e2e/UpdateParts.h"

using namespace ui;
namespace fs = std::filesystem;

namespace {
const char kOldVersion[] = "2.3.2020010100";

// The version the build gave the default data, which the stand-in feed has too.
std::string FeedVersion() {
    std::string line = ReadFile(fs::path(FromBuild("QUORVIK_DEFAULT_DB")).parent_path() / L"data-version.txt");
    size_t from = line.find(' ') + 1;
    return line.substr(from, line.find(' ', from) - from);
}

std::string Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
    return text;
}

class UpdateTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TrustStandIn("QUORVIK_FEED_STAND_IN")) << "the stand-in feed's certificate authority";
        ForgetUpdates();
        FLogStart = ReadFile(FeedStandIn() / L"requests.log").size();
        fs::remove(FeedStandIn() / L"gate");
    }
    void TearDown() override { ForgetUpdates(); }

    // The test's databases beside the program, listed with an old version.
    void PutOldData() {
        FFolder.PutDatabase(TestDatabase());
        FFolder.PutDatabase(TestIpv6Database(), kIpv6Database);
        FFolder.PutVersionFile(kOldVersion);
    }

    void Start(const std::string& fault) {
        FProgram = Program(FFolder.Exe(), FeedSwitches(fault));
        ASSERT_NE(FindTopWindow(L"TForm1"), nullptr);
    }

    UpdateForm Open() {
        ChooseMenu(FindTopWindow(L"TForm1"), kUpdateDatabase);
        return UpdateForm();
    }

    // The stand-in's log since the test began.
    std::string Requests() const { return ReadFile(FeedStandIn() / L"requests.log").substr(FLogStart); }

    ProgramFolder FFolder{testing::UnitTest::GetInstance()->current_test_info()->name()};
    Program FProgram;
    size_t FLogStart = 0;
};
}  // namespace

TEST_F(UpdateTest, GoodUpdateShowsItsProgressAndTheNewVersions) {
    PutOldData();
    Start("good");
    UpdateForm update = Open();
    EXPECT_EQ(TextOf(update.labels[0]), std::string("IPv4：") + kOldVersion + "（随程序附带）");
    Tap(update.check);
    ASSERT_TRUE(update.WaitForStatus("更新完成")) << update.Status();
    EXPECT_EQ(SendMessageW(update.bar, PBM_GETPOS, 0, 0), SendMessageW(update.bar, PBM_GETRANGE, FALSE, 0));
    for (auto [label, family] : {std::pair{0, "IPv4："}, {1, "IPv6："}})
        EXPECT_EQ(TextOf(update.labels[label]), family + FeedVersion() + "（" + Today() + " 更新）");
    // The skin engine's query: a skinned window answers 1.
    EXPECT_TRUE(WaitFor([&] { return SendMessageW(update.window, 13603, 0, 0) == 1; })) << "not skinned";
    SaveScreenshot(update.window, ScreenshotPath("skinned-update-window"));
    Click(ChildWithText(update.window, L"TButton", "关闭"));
    EXPECT_EQ(MainWindow().LookUp("8.8.8.8"), "美国Google LLC");
}

// Nothing newer: the manifest alone is read, and asked again it is not
// even sent.
TEST_F(UpdateTest, AlreadyUpToDateAsksForNoDatabase) {
    FFolder.PutDefaultDatabases();
    FFolder.PutVersionFile(FeedVersion());
    Start("good");
    UpdateForm update = Open();
    Tap(update.check);
    ASSERT_TRUE(update.WaitForStatus("已是最新")) << update.Status();
    Tap(update.check);
    EXPECT_TRUE(WaitFor([&] { return Requests().find("304") != std::string::npos; }));
    EXPECT_TRUE(update.WaitForStatus("已是最新")) << update.Status();
    EXPECT_EQ(Requests(), "/good/manifest.json 200\n/good/manifest.sig 200\n/good/manifest.json 304 if\n");
}

TEST_F(UpdateTest, ManifestSignedByAnotherKeyIsRefused) {
    PutOldData();
    Start("badsig");
    UpdateForm update = Open();
    Tap(update.check);
    HWND box = ShownDialog();
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_NE(MessageOf(box).find("清单的签名无效"), std::string::npos) << MessageOf(box);
    AnswerBox(box, IDOK);
    EXPECT_EQ(update.Status(), "更新失败");
    EXPECT_EQ(TextOf(update.labels[0]), std::string("IPv4：") + kOldVersion + "（随程序附带）");
    EXPECT_EQ(Requests().find(".gz"), std::string::npos);
}

TEST_F(UpdateTest, CancelEndsAnUpdateWhoseFeedNeverAnswers) {
    PutOldData();
    Start("hang");
    UpdateForm update = Open();
    Tap(update.check);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(update.cancel) != FALSE; }));
    Tap(update.cancel);
    EXPECT_TRUE(update.WaitForStatus("已取消", 1000ms)) << update.Status();
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(update.check) != FALSE; }, 1000ms));
}

// The swap waits for the batch: every line of the batch is read in the old
// data, the next lookup in the new.
TEST_F(UpdateTest, UpdateEndingDuringABatchWaitsForIt) {
    PutOldData();
    Start("gated");
    UpdateForm update = Open();
    // Out of the way of the batch window, which opens where it stands.
    SetWindowPos(update.window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Tap(update.check);
    ASSERT_TRUE(WaitFor([&] { return Requests().find("cxsjk.Dat.gz") != std::string::npos; }, 20000ms));
    ChooseMenu(FindTopWindow(L"TForm1"), {0, 0});
    BatchWindow batch;
    std::string lines;
    for (int i = 0; i < 5000; ++i) lines += "1.2.4.5\r\n";
    Paste(batch.memo, lines);
    Tap(batch.query);
    ASSERT_TRUE(WaitFor([&] { return !batch.Idle(); })) << "the batch did not start";
    std::ofstream(FeedStandIn() / L"gate").close();
    EXPECT_TRUE(update.WaitForStatus("已下载，等待批量查询结束…")) << update.Status();
    EXPECT_FALSE(batch.Idle()) << "the batch ended before the update did: make it longer";
    ASSERT_TRUE(WaitFor([&] { return batch.Idle(); }, 60000ms));
    std::string annotated = TextOf(batch.memo);
    size_t old = 0;
    for (size_t at = 0; (at = annotated.find("1.2.4.5 中国北京 电信\r\n", at)) != std::string::npos; ++at) ++old;
    EXPECT_EQ(old, 5000u);
    ASSERT_TRUE(update.WaitForStatus("更新完成")) << update.Status();
    Click(batch.cancel);
    EXPECT_EQ(MainWindow().LookUp("8.8.8.8"), "美国Google LLC");
}

TEST_F(UpdateTest, DamagedUpdateIsGivenUpAtStartWithANotice) {
    PutOldData();
    fs::create_directories(UpdatedFolder() / L"zelkona");
    std::ofstream(UpdatedFolder() / L"zelkona" / kIpv4Database, std::ios::binary) << std::string(64, '\xFF');
    std::ofstream(UpdatedFolder() / L"zelkona" / L"data-version.txt", std::ios::binary)
        << "cxsjk.Dat 2.3.2099010100 " << std::string(64, 'a') << "\r\n";
    Start("good");
    EXPECT_TRUE(WaitFor([] { return VisibleTooltipContaining("cxsjk.Dat 的更新已损坏，已改用随程序附带的数据。"); }))
        << "no balloon";
    EXPECT_EQ(MainWindow().LookUp("1.2.4.5"), "中国北京 电信");
    EXPECT_FALSE(fs::exists(UpdatedFolder() / L"zelkona" / kIpv4Database));
}
