#include "app/HostLookups.h"

#include <gtest/gtest.h>
#include <winsock2.h>

#include <chrono>

namespace {

constexpr UINT kResolved = WM_APP + 7;

// A window that only receives the completions, and Winsock started for it.
class HostLookupsTest : public testing::Test {
protected:
    void SetUp() override {
        WSADATA data;
        ASSERT_EQ(WSAStartup(MAKEWORD(2, 0), &data), 0);
        FWindow = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(FWindow, nullptr);
    }
    void TearDown() override {
        DestroyWindow(FWindow);
        WSACleanup();
    }

    // Waits for the next completion; takes it off the queue unless asked to leave it.
    bool NextCompletion(MSG& message, bool remove = true) {
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < end) {
            if (PeekMessageW(&message, FWindow, kResolved, kResolved, remove ? PM_REMOVE : PM_NOREMOVE)) return true;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLPOSTMESSAGE);
        }
        return false;
    }

    HWND FWindow = nullptr;
    THostLookups FLookups;
};

TEST_F(HostLookupsTest, UnknownRequestHandle_GivesNoAnswer) {
    EXPECT_EQ(FLookups.Finish(WPARAM(0x1234), 0), std::nullopt);
}

TEST_F(HostLookupsTest, OverlappingRequests_EachGetTheirOwnAnswer) {
    FLookups.Start(FWindow, kResolved, "127.0.0.2");
    FLookups.Start(FWindow, kResolved, "127.0.0.3");
    ASSERT_EQ(FLookups.AreasHeld(), 2u);
    std::vector<std::string> addresses;
    for (int i = 0; i < 2; ++i) {
        MSG message;
        ASSERT_TRUE(NextCompletion(message));
        std::optional<THostLookups::Answer> answer = FLookups.Finish(message.wParam, message.lParam);
        ASSERT_TRUE(answer && answer->Resolved);
        addresses.push_back(answer->Address);
    }
    std::sort(addresses.begin(), addresses.end());
    EXPECT_EQ(addresses, (std::vector<std::string>{"127.0.0.2", "127.0.0.3"}));
    EXPECT_EQ(FLookups.AreasHeld(), 0u);
}

TEST_F(HostLookupsTest, FailedResolution_IsAnAnswerWithoutAddress) {
    FLookups.Start(FWindow, kResolved, "quorvik-no-such-host.invalid");
    MSG message;
    ASSERT_TRUE(NextCompletion(message));
    std::optional<THostLookups::Answer> answer = FLookups.Finish(message.wParam, message.lParam);
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->Resolved);
}

// A cancelled request may still write (its answer is written already here):
// its area stays until its completion is handled, which gives no answer.
TEST_F(HostLookupsTest, CancelledRequest_KeepsItsAreaUntilTheCompletion) {
    FLookups.Start(FWindow, kResolved, "127.0.0.4");
    MSG message;
    ASSERT_TRUE(NextCompletion(message, false));
    FLookups.CancelAll();
    EXPECT_EQ(FLookups.AreasHeld(), 1u);
    ASSERT_TRUE(NextCompletion(message));
    EXPECT_EQ(FLookups.Finish(message.wParam, message.lParam), std::nullopt);
    EXPECT_EQ(FLookups.AreasHeld(), 0u);
}

}  // namespace
