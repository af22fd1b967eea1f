#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/Events.h"

class TForm;

// Sees a message of the application window before the framework does;
// returning true consumes it with the given result.
using TWindowHook = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

// The application object: the hidden application window that carries the
// taskbar button and owns the forms, the forms themselves, and the message loop.
class TApplication : public TObject {
public:
    TApplication();
    ~TApplication() override;

    void Initialize();
    HWND Handle() const;
    void SetTitle(const std::string& title);

    // Creates a form; the first one becomes the main form.
    template <class Form>
    Form* CreateForm() {
        auto form = std::make_unique<Form>();
        Form* created = form.get();
        forms_.push_back(std::move(form));
        if (!mainForm_) mainForm_ = created;
        return created;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until Terminate; then
    // destroys the forms, the main form last.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void ProcessMessages();
    bool HandleMessage();

    void Minimize();
    void Restore();
    bool ShowMainForm = true;
    void SetHintPause(int milliseconds);

    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int hook);

    TNotifyEvent OnDeactivate;

private:
    class Window;
    void Dispatch(MSG& message);
    void DestroyForms();

    std::unique_ptr<Window> window_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

extern TApplication Application;
