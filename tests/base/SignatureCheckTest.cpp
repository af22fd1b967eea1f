#include "base/win32/SignatureCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/e2e/ProgramFolder.h"

namespace {
// A file of the stand-in feed's folder (feed-stand-in.sh), whose keys and
// signatures openssl made at run time.
std::string StandInFile(const wchar_t* name) {
    std::ifstream file(std::filesystem::path(FromBuild("QUORVIK_FEED_STAND_IN")) / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}
}  // namespace

TEST(SignatureCheck, OnlyTheSigningKeyVouchesForTheManifest) {
    std::string manifest = StandInFile(L"feed\\manifest.json"), signature = StandInFile(L"feed\\manifest.sig");
    std::string otherSignature = StandInFile(L"feed\\other.sig");
    std::string publisher = StandInFile(L"publisher.pem"), other = StandInFile(L"other.pem");
    ASSERT_FALSE(manifest.empty() || publisher.empty()) << "the stand-in feed is not there";
    std::string altered = manifest;
    altered[altered.size() / 2] ^= 1;
    const struct {
        std::string text, signature;
        std::vector<std::string> keys;
        bool vouched;
    } cases[] = {
        {manifest, signature, {publisher}, true},
        {manifest, signature, {other, publisher}, true},
        {manifest, signature, {other}, false},
        {manifest, otherSignature, {publisher}, false},
        {manifest, otherSignature, {other}, true},
        {altered, signature, {publisher}, false},
        {manifest, signature.substr(0, 200), {publisher}, false},
        {manifest, "", {publisher}, false},
        {manifest, signature, {"-----BEGIN PUBLIC KEY-----\nbm90IGEga2V5\n-----END PUBLIC KEY-----\n"}, false},
        {manifest, signature, {}, false},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(SignedByOneOf(cases[i].text, cases[i].signature, cases[i].keys), cases[i].vouched) << "case " << i;
}
