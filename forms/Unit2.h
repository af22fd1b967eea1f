#pragma once
#include <chrono>
#include <memory>

#include "forms/BatchLines.h"
#include "gui/Button.h"
#include "gui/Dialogs.h"
#include "gui/Edit.h"
#include "forms/MainWindowLink.h"
#include "gui/Form.h"
#include "gui/GroupBox.h"
#include "gui/Timer.h"

// The batch window: a list of addresses, one per line, each annotated in
// place with its location, and saved to a text file.
class TForm2 : public TForm {
public:
    explicit TForm2(TMainWindowLink& mainWindow);

    TGroupBox GroupBox1;
    TMemo memo1;
    TPanel Panel1;
    TButton Button1;
    TButton Button3;
    TButton Button2;
    TButton Button4;
    TSaveDialog SaveDialog1{{.FileName = "IP资料.txt", .Filter = "*.txt|*.txt"}};

    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void FormHide();

private:
    TMainWindowLink& FMainWindow;
    void CreateControls();
    void BindEvents();
    void SaveResults(const std::string& path);

    // A long batch runs in parts between the window's messages.
    void StartBatch(std::string text);
    void BatchTimerTimer();
    void BatchStep();
    void EndBatch();
    void HoldInput(bool hold);

    std::unique_ptr<TBatchAnnotation> FBatch;
    // It ticks as soon as the window has painted and taken its input, so
    // each part follows the last at once.
    TWindowTimer FBatchTimer{USER_TIMER_MINIMUM, [this](TObject*) { BatchTimerTimer(); }};
    bool FMemoCleared = false;
    size_t FPartBytes = 0;
};

extern TForm2* Form2;
