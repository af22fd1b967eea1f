#include "base/Sha256.h"

#include <gtest/gtest.h>

// The examples of FIPS 180-4 (NIST's "SHA256.pdf" and the long message),
// fed in pieces of every size so that pieces cross block boundaries.
TEST(Sha256, DigestsAreThoseOfTheStandardsExamples) {
    const struct {
        std::string message;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases)
        for (size_t piece : {size_t(1), size_t(63), size_t(64), size_t(1000)}) {
            TSha256 sha;
            for (size_t at = 0; at < c.message.size(); at += piece)
                sha.Update(c.message.data() + at, std::min(piece, c.message.size() - at));
            EXPECT_EQ(sha.HexDigest(), c.digest) << c.message.size() << " bytes in pieces of " << piece;
        }
}
