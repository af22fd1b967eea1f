#pragma once
// The skin manager on real windows of this process, with the skin the
// program carries, loaded once for every test of a suite.
#include <gtest/gtest.h>

#include <chrono>

#include "gui/Form.h"
#include "skin/data/ProgramResource.h"
#include "skin/data/SkinData.h"
#include "skin/data/Win32SkinHost.h"
#include "skin/frame/SkinFrame.h"
#include "skin/manager/SkinManager.h"
#include "tests/gui/MessagePump.h"

// The program's skin, loaded once for a suite as the main window's form
// data loads it; windows shown in a test are skinned as they activate.
class SkinnedWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        MainSkin = new TSkinData(SystemSkinHost());
        ReadSkinStreamResource(*MainSkin);
        // The gallery's page control of a foreign family, whose class the
        // program's own list leaves out.
        MainSkin->ClassMap.push_back("TAdvPageControl=advpagecontrol");
        MainSkin->SetActive(true);
        MainSkin->Loaded();
    }
    static void TearDownTestSuite() {
        delete MainSkin;
        MainSkin = nullptr;
    }
    void SetUp() override {
        ASSERT_FALSE(MainSkin->SkinEmpty());
        Manager().SetEnabled(true);
    }

    static TSkinManager& Manager() { return *TSkinManager::Instance(); }
    static TSkinFrame* FrameOf(const TWinControl& form) { return Manager().FindSkinForm(form.Handle()); }
    static void Show(TForm& form) {
        form.Show();
        PumpUntilSkinned(form.Handle());
    }
    // Runs messages until the window is active and wears its frame (while
    // skinning is on), then until it has painted what it shows.
    static void PumpUntilSkinned(HWND window) {
        PumpUntil([&] {
            TSkinFrame* frame = Manager().FindSkinForm(window);
            bool skinned = !Manager().Enabled() || (frame && frame->State() == TSkinFrame::Skinned);
            return skinned && GetActiveWindow() == window;
        });
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpUntilQuiet();
    }
    static void RunAction(TSkinAction action) {
        Manager().RequestAction(action, 10, MainSkin);
        PumpFor(std::chrono::milliseconds(150));
    }
    static SIZE ClientSize(const TWinControl& form) {
        RECT client;
        GetClientRect(form.Handle(), &client);
        return {client.right, client.bottom};
    }

    static inline TSkinData* MainSkin = nullptr;
};
