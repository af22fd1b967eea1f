// The rules of the database update that need no network: the manifest,
// versions, which file a lookup reads, the probes, the update's states and
// the feeds asked.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/DataProbes.h"
#include "app/DataRecords.h"
#include "app/DatabaseChoice.h"
#include "app/UpdateStates.h"
#include "app/WebAddresses.h"
#include "base/Exception.h"
#include "tests/locdb/IpdbBytes.h"

namespace {
std::string Manifest(const std::string& field, const std::string& value) {
    std::string file =
        R"({"name": "cxsjk.Dat", "version": "2.3.1", "size": 10, "compressed_size": 9,)"
        R"( "sha256": "00000000000000000000000000000000000000000000000000000000000000ff",)"
        R"( "min_program": "1.13", "credits": "c", "probes": [{"address": "1.2.3.4", "answer": "\u4e2d\u56fd"}]})";
    size_t at = file.find("\"" + field + "\": ");
    if (at != std::string::npos) {
        size_t from = at + field.size() + 4, to = field == "probes" ? file.size() - 1 : file.find_first_of(",}", from);
        file.replace(from, to - from, value);
    }
    return R"({"files": [)" + file + R"(, {"name": "later.dat"}]})";
}

std::string Reading(const std::string& json) {
    try {
        std::vector<FeedFile> files = ParseFeedManifest(json);
        return files.size() == 1 ? files[0].Version + " " + files[0].Probes[0].Address + " " + files[0].Probes[0].Answer
                                 : "files " + std::to_string(files.size());
    } catch (const Exception& error) {
        return error.Message();
    }
}
}  // namespace

TEST(FeedManifest, FieldsAreCheckedAndLaterFilesLeftAlone) {
    const struct {
        std::string field, value, reading;
    } cases[] = {
        {"", "", "2.3.1 1.2.3.4 中国"},
        {"version", "\"2.x\"", "清单有误：cxsjk.Dat的 version 无效"},
        {"size", "0", "清单有误：cxsjk.Dat的 size 无效"},
        {"compressed_size", "1e3", "清单有误：cxsjk.Dat的 compressed_size 无效"},
        {"sha256", "\"ABC\"", "清单有误：cxsjk.Dat 的 sha256 无效"},
        {"min_program", "13", "清单有误：cxsjk.Dat缺少 min_program 或其值无效"},
        {"probes", "[]", "清单有误：cxsjk.Dat 的探测地址数目无效"},
        {"probes", R"([{"address": "2001:db8::1", "answer": "x"}])", "清单有误：cxsjk.Dat 的探测地址 2001:db8::1 无效"},
        {"probes", R"([{"address": "1.2.3.4", "answer": "a\nb"}])", "清单有误：cxsjk.Dat 的探测地址 1.2.3.4 无效"},
        {"name", "\"cxsjk6.Dat\"", "清单有误：cxsjk6.Dat 的探测地址 1.2.3.4 无效"},
    };
    for (const auto& c : cases) EXPECT_EQ(Reading(Manifest(c.field, c.value)), c.reading) << c.field << c.value;
    EXPECT_EQ(Reading(R"({"files": [{"name": "later.dat"}]})"), "清单有误：没有本程序读取的文件");
    EXPECT_EQ(Reading("<html>"), "清单有误：不是 JSON 对象");
    std::string twice = Manifest("", "");
    twice.insert(twice.find("{\"name\": \"later"), twice.substr(11, twice.find("}]}") + 3 - 11) + ", ");
    EXPECT_EQ(Reading(twice), "清单有误：cxsjk.Dat 出现了两次");
}

// data-version.txt as the build writes it, probes.txt beside it.
TEST(DataRecords, VersionAndProbeFilesReadBackWhatWasWritten) {
    std::string sha(64, 'a');
    std::vector<FeedFile> records =
        ReadDataRecords("cxsjk.Dat 2.3.1 " + sha + "\r\nbroken line\r\ncxsjk.Dat.bak 2.2 " + sha,
                        "cxsjk.Dat 1.2.3.4 美国Google LLC\r\nnobody 1.1.1.1 x\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Probes, std::vector<FeedProbe>({{"1.2.3.4", "美国Google LLC"}}));
    EXPECT_EQ(FormatVersionText(records), "cxsjk.Dat 2.3.1 " + sha + "\r\ncxsjk.Dat.bak 2.2 " + sha + "\r\n");
    EXPECT_EQ(FormatProbesText(records), "cxsjk.Dat 1.2.3.4 美国Google LLC\r\n");
}

// Versions compare as dotted numbers, part by part.
TEST(DatabaseChoice, UsersOwnFileWinsOtherwiseTheNewerData) {
    const struct {
        DataCandidates candidates;
        DataOrigin chosen;
    } cases[] = {
        {{true, "2.3.5", "2.3.6"}, DataOrigin::Updated},       {{true, "2.3.6", "2.3.5"}, DataOrigin::Bundled},
        {{true, "2.3.6", "2.3.6"}, DataOrigin::Bundled},       {{true, std::nullopt, "2.3.9"}, DataOrigin::UsersOwn},
        {{false, std::nullopt, "2.3.1"}, DataOrigin::Updated}, {{true, "2.3.6", std::nullopt}, DataOrigin::Bundled},
        {{true, "1.9", "1.13"}, DataOrigin::Updated},          {{true, "01.13", "1.13.0"}, DataOrigin::Bundled},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseDatabase(c.candidates), c.chosen);
}

// The program's own reader answers each probe, or says why not.
TEST(DataProbes, EveryProbeMustGetItsExactAnswer) {
    QQWryBytes ipv4;
    ipv4.Entry(0x00000000, ipv4.InlineRecord(0x01FFFFFF, "中国", "北京 电信"));
    ipv4.Entry(0x02000000, ipv4.InlineRecord(0xFFFFFFFF, "美国", ""));
    IpdbBytes ipv6;
    ipv6.Entry(0x20010DB800000000, ipv6.Text(u8"文档地址"));
    ipv6.Text(u8"示例网络");
    std::filesystem::path folder = testing::TempDir(), missing = folder / "FProbesMissing";
    SystemPath v4 = ipv4.WriteTo((folder / "FProbes4").native()), v6 = ipv6.WriteTo((folder / "FProbes6").native());
    auto probe = [](const SystemPath& path, const char* name, std::vector<FeedProbe> probes) {
        return ProbeFailure(path, {.Name = name, .Probes = probes}).value_or("");
    };
    EXPECT_EQ(probe(v4, "cxsjk.Dat", {{"1.2.3.4", "中国北京 电信"}, {"8.8.8.8", "美国无"}}), "");
    EXPECT_EQ(probe(v4, "cxsjk.Dat", {{"1.2.3.4", "中国北京 电信"}, {"8.8.8.8", "美国Google LLC"}}),
              "探测地址 8.8.8.8 应为“美国Google LLC”，新数据给出“美国无”");
    EXPECT_EQ(probe(v6, "cxsjk6.Dat", {{"2001:db8::1", "文档地址示例网络"}}), "");
    EXPECT_EQ(probe(v6, "cxsjk6.Dat", {{"2001:db8::1", "文档地址"}}),
              "探测地址 2001:db8::1 应为“文档地址”，新数据给出“文档地址示例网络”");
    EXPECT_EQ(probe(missing.native(), "cxsjk.Dat", {{"1.2.3.4", "中国"}}), "文件 " + missing.string() + " 不存在！");
}

TEST(UpdateStates, ACancelledRunDropsWhatItsWorkerBringsBack) {
    TUpdateStates states;
    unsigned first = states.Start();
    states.Downloaded(1500000, 6000000);
    EXPECT_EQ(states.StatusText(), "正在下载：1.5 MB / 6.0 MB");
    states.Cancel();
    EXPECT_EQ(states.StatusText(), "已取消");
    EXPECT_FALSE(states.CanStart()) << "its worker is still out";
    EXPECT_FALSE(states.Delivered(first, {.Outcome = FeedOutcome::Staged}));
    EXPECT_TRUE(states.CanStart());

    unsigned second = states.Start();
    EXPECT_TRUE(states.Delivered(second, {.Outcome = FeedOutcome::Staged}));
    states.WaitForBatch();
    EXPECT_EQ(states.StatusText(), "已下载，等待批量查询结束…");
    EXPECT_TRUE(states.Installs(second) && states.CanCancel() && !states.CanStart());
    states.Installed(InstallOutcome::Deferred);
    EXPECT_EQ(states.Phase(), UpdatePhase::Deferred);

    unsigned third = states.Start();
    EXPECT_FALSE(states.Delivered(third, {.Outcome = FeedOutcome::Refused, .Message = "清单：HTTP 404"}));
    EXPECT_EQ(states.StatusText() + " " + states.Failure(), "更新失败 清单：HTTP 404");
}

// The user's mirror comes first; "/feed" replaces the program's own feeds,
// on the loopback address only.
TEST(WebAddresses, FeedsAreTheMirrorThenTheGivenOrOwnOnes) {
    auto feeds = [](std::vector<std::wstring> arguments, const std::wstring& mirror) {
        std::wstring all;
        for (const std::wstring& feed : DataFeeds(TCommandLine(arguments), mirror)) all += feed + L" ";
        return all;
    };
    EXPECT_EQ(feeds({}, L""), L"https://quorvik.example.org/data/ ");
    EXPECT_EQ(feeds({}, L"HTTP://mirror.test/q"), L"HTTP://mirror.test/q/ https://quorvik.example.org/data/ ");
    EXPECT_EQ(feeds({L"/feed", L"https://127.0.0.1:9/good/", L"/feed", L"https://1.1.1.1/"}, L"ftp://x/"),
              L"https://127.0.0.1:9/good/ ");
}
