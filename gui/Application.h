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

    // Creates a form that the application keeps until it ends; the first
    // one becomes the main form.
    template <class Form, class... Args>
    Form* CreateForm(Args&&... args) {
        auto kept = std::make_unique<KeptFormOf<Form>>(std::forward<Args>(args)...);
        Form* created = &kept->Get();
        FForms.push_back(std::move(kept));
        return created;
    }
    TForm* MainForm() const { return FForms.empty() ? nullptr : FForms.front()->Form(); }
    // Every live form, in creation order. Forms register themselves.
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
    // What the application does with a form it keeps: shows the main one
    // when it runs, closes it when asked to, and tells each form before it
    // ends it. Written where the form's class is known, so that the
    // application knows no form class.
    class KeptForm {
    public:
        virtual ~KeptForm() = default;
        virtual TForm* Form() = 0;
        virtual void Show() = 0;
        virtual void Close() = 0;
        virtual void DoDestroy() = 0;
    };
    template <class Concrete>
    class KeptFormOf final : public KeptForm {
    public:
        template <class... Args>
        explicit KeptFormOf(Args&&... args) : FForm(std::forward<Args>(args)...) {}
        Concrete& Get() { return FForm; }
        TForm* Form() override { return &FForm; }
        void Show() override { FForm.Show(); }
        void Close() override { FForm.Close(); }
        void DoDestroy() override { FForm.DoDestroy(); }

    private:
        Concrete FForm;
    };
    void Dispatch(MSG& message);
    void DestroyForms();

    std::unique_ptr<Window> FWindow;
    std::vector<std::unique_ptr<KeptForm>> FForms;  // the main form first
    std::vector<TForm*> FScreenForms;
    bool FTerminated = false;
};

extern TApplication Application;
