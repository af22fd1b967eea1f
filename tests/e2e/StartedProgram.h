#pragma once
#include <gtest/gtest.h>

#include "tests/e2e/ProgramFolder.h"
#include "tests/e2e/TestDatabase.h"

namespace ui {

// quorvik.exe running from a fresh program folder, named after the test,
// with the test database.
struct StartedProgram {
    StartedProgram() : folder(testing::UnitTest::GetInstance()->current_test_info()->name()) {
        folder.PutDatabase(TestDatabase());
        program = folder.Start();
        FindTopWindow(L"TForm1");
    }

    ProgramFolder folder;
    Program program;
};

}  // namespace ui
