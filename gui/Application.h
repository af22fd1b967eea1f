#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Events.h"

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
    template <class Form, class... Args>
    Form* CreateForm(Args&&... args) {
        auto form = std::make_unique<Form>(std::forward<Args>(args)...);
        Form* created = form.get();
        FForms.push_back(std::move(form));
        if (!FMainForm) FMainForm = created;
        return created;
    }
    TForm* MainForm() const { return FMainForm; }
    // Every live form, in creation order.
    const std::vector<TForm*>& Forms() const { return FScreenForms; }
    void AddForm(TForm* form) { FScreenForms.push_back(form); }
    void RemoveForm(TForm* form) { std::erase(FScreenForms, form); }

    // Shows the main form and runs the message loop until Terminate; then
    // destroys the forms, the main form last.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
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

    std::unique_ptr<Window> FWindow;
    std::vector<std::unique_ptr<TForm>> FForms;
    std::vector<TForm*> FScreenForms;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
};

extern TApplication Application;
