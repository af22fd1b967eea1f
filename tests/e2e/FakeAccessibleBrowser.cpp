// A browser of the Chromium or Firefox family as the watch meets it: a
// top-level frame that serves an accessibility tree of its own through
// WM_GETOBJECT. See FakeAccessibleBrowser.h for its command line.
#include <oleacc.h>
#include <windows.h>

#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "tests/e2e/FakeAccessibleBrowser.h"

namespace {

const int kBigPageElements = 10000;
const DWORD kFirstWalkHangMs = 4000;
const int kOlderBuildTabs = 300;
const UINT_PTR kCloseFindBarTimer = 1;
const UINT kFindBarShownMs = 2000;
const wchar_t kFindBarWords[] = L"weather tomorrow";

// One element of the tree. Only what a client reads is answered.
class TNode : public IAccessible {
public:
    TNode(long role, std::wstring name, long state = STATE_SYSTEM_FOCUSABLE, std::wstring value = L"")
        : FRole(role), FState(state), FName(std::move(name)), FValue(std::move(value)) {}
    virtual ~TNode() {
        for (TNode* child : FChildren) child->Release();
    }

    TNode* Add(TNode* child) {
        FChildren.push_back(child);
        child->FParent = this;
        return child;
    }
    void SetValue(const std::wstring& value) { FValue = value; }
    void SetState(long state) { FState = state; }
    // Runs before the children are counted: a hang or a change mid-walk.
    std::function<void(TNode&)> BeforeCount;
    void ReplaceChildren(std::vector<TNode*> children) {
        for (TNode* child : FChildren) child->Defunct();
        for (TNode* child : FChildren) child->Release();
        FChildren.clear();
        for (TNode* child : children) Add(child);
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++FReferences; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --FReferences;
        if (left == 0) delete this;
        return left;
    }
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        *parent = FParent;
        if (FParent) FParent->AddRef();
        return FParent ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (FDefunct) return E_FAIL;
        if (BeforeCount) BeforeCount(*this);
        *count = long(FChildren.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        *object = nullptr;
        if (FDefunct || child.vt != VT_I4 || child.lVal < 1 || size_t(child.lVal) > FChildren.size())
            return E_INVALIDARG;
        *object = FChildren[size_t(child.lVal - 1)];
        (*object)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override { return Text(child, FName, name); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return Text(child, FValue, value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override { return Number(child, FRole, role); }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Number(child, FState, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long*) override { return Nothing(file); }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        focus->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        selection->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE accLocation(long*, long*, long*, long*, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE accHitTest(long, long, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    void Defunct() {
        FDefunct = true;
        for (TNode* child : FChildren) child->Defunct();
    }
    bool Answers(const VARIANT& child) const { return !FDefunct && child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    HRESULT Text(const VARIANT& child, const std::wstring& text, BSTR* out) {
        *out = nullptr;
        if (!Answers(child)) return E_INVALIDARG;
        *out = SysAllocStringLen(text.data(), UINT(text.size()));
        return S_OK;
    }
    HRESULT Number(const VARIANT& child, long number, VARIANT* out) {
        VariantInit(out);
        if (!Answers(child)) return E_INVALIDARG;
        out->vt = VT_I4;
        out->lVal = number;
        return S_OK;
    }
    static HRESULT Nothing(BSTR* text) {
        *text = nullptr;
        return S_FALSE;
    }

    ULONG FReferences = 1;
    long FRole;
    long FState;
    std::wstring FName;
    std::wstring FValue;
    TNode* FParent = nullptr;
    std::vector<TNode*> FChildren;
    bool FDefunct = false;
};

struct TOptions {
    bool Chinese = false;
    bool Focused = false;
    bool BigPage = false;
    bool Changing = false;
    bool Quiet = false;
    bool Hang = false;
    bool FindBar = false;
    bool ReadOnly = false;
};

// The browser: its tree, its frame, and what tests ask of it.
struct TBrowser {
    TOptions Options;
    std::wstring Shape;
    TNode* Root = nullptr;
    TNode* Field = nullptr;
    TNode* FindBarRoot = nullptr;
    DWORD HangMs = 0;
    HWND Frame = nullptr;
    LRESULT Walks = 0;  // each starts at the root, which a client asks the frame for

    const wchar_t* Named(const wchar_t* english, const wchar_t* chinese) const {
        return Options.Chinese ? chinese : english;
    }

    long FieldState() const {
        return STATE_SYSTEM_FOCUSABLE | (Options.Focused ? STATE_SYSTEM_FOCUSED : 0) |
               (Options.ReadOnly ? STATE_SYSTEM_READONLY : 0);
    }

    TNode* Page() const {
        TNode* page = new TNode(ROLE_SYSTEM_DOCUMENT, Named(L"Search", L"搜索"), STATE_SYSTEM_READONLY);
        page->Add(new TNode(ROLE_SYSTEM_TOOLBAR, L""))
            ->Add(new TNode(ROLE_SYSTEM_TEXT, Named(L"Address", L"地址"), STATE_SYSTEM_FOCUSABLE,
                            std::wstring(kPageSearchAddress, kPageSearchAddress + sizeof kPageSearchAddress - 1)));
        if (Options.BigPage)
            for (int i = 0; i < kBigPageElements; ++i) page->Add(new TNode(ROLE_SYSTEM_LINK, L"link " + std::to_wstring(i)));
        return page;
    }

    // Each tab costs five nodes, as in Chromium's tab strip.
    TNode* TabList(int tabs) const {
        TNode* list = new TNode(ROLE_SYSTEM_PAGETABLIST, L"");
        for (int i = 0; i < tabs; ++i) {
            TNode* tab = list->Add(new TNode(ROLE_SYSTEM_PAGETAB, Named(L"Tab", L"标签")));
            for (long role : {ROLE_SYSTEM_GRAPHIC, ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_GRAPHIC, ROLE_SYSTEM_PUSHBUTTON})
                tab->Add(new TNode(role, L""));
        }
        return list;
    }

    // The toolbar's children; the field keeps its value across a remake.
    std::vector<TNode*> ToolbarChildren(const std::wstring& address) {
        std::vector<TNode*> children = {new TNode(ROLE_SYSTEM_PUSHBUTTON, Named(L"Back", L"后退")),
                                        new TNode(ROLE_SYSTEM_PUSHBUTTON, Named(L"Reload", L"重新加载"))};
        TNode* holder = Shape == L"Firefox"
                            ? new TNode(ROLE_SYSTEM_COMBOBOX, Named(L"Search or enter address", L"搜索或输入网址"))
                            : new TNode(ROLE_SYSTEM_GROUPING, L"");
        // Firefox's hidden field shows the scheme when the address is cut.
        if (Shape == L"Firefox") holder->Add(new TNode(ROLE_SYSTEM_TEXT, L"", STATE_SYSTEM_INVISIBLE));
        Field = new TNode(ROLE_SYSTEM_TEXT, Named(L"Address and search bar", L"地址和搜索栏"), FieldState(), address);
        holder->Add(Field);
        children.push_back(holder);
        children.push_back(new TNode(ROLE_SYSTEM_PUSHBUTTON, Named(L"Bookmark", L"收藏")));
        return children;
    }

    // The shapes of FakeAccessibleBrowser.h.
    void Build(const std::wstring& address) {
        Root = new TNode(Shape == L"Firefox" ? ROLE_SYSTEM_APPLICATION : ROLE_SYSTEM_PANE, Named(L"Browser", L"浏览器"));
        Root->Add(Page());
        bool current = Shape == L"Chromium";
        TNode* browserView = current ? Root->Add(new TNode(ROLE_SYSTEM_PANE, L"")) : Root;
        if (Shape == L"Firefox") Root->Add(new TNode(ROLE_SYSTEM_TOOLBAR, L""))->Add(TabList(1));
        if (Shape == L"ChromiumOlder") Root->Add(TabList(kOlderBuildTabs));
        TNode* top = current ? browserView->Add(new TNode(ROLE_SYSTEM_PANE, L"")) : Root;
        TNode* toolbar = top->Add(new TNode(ROLE_SYSTEM_TOOLBAR, Named(L"Navigation", L"导航")));
        toolbar->ReplaceChildren(ToolbarChildren(address));
        toolbar->BeforeCount = [this](TNode& node) {
            if (DWORD hang = std::exchange(HangMs, 0)) Sleep(hang);
            if (Options.Changing) {
                std::wstring address = CurrentAddress();
                node.ReplaceChildren(ToolbarChildren(address));
            }
        };
        if (current) browserView->Add(TabList(1));
        FindBarRoot = FindBar();
    }

    // Chromium's find bar: a child widget that the root alone exposes while
    // it has the focus, and that stays, hidden, once it has lost it.
    TNode* FindBar() const {
        TNode* root = new TNode(ROLE_SYSTEM_PANE, L"");
        root->Add(new TNode(ROLE_SYSTEM_GROUPING, L""))
            ->Add(new TNode(ROLE_SYSTEM_TEXT, L"", STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED, kFindBarWords));
        return root;
    }

    std::wstring CurrentAddress() const {
        BSTR value = nullptr;
        VARIANT self = {};
        self.vt = VT_I4;
        Field->get_accValue(self, &value);
        std::wstring address = value ? value : L"";
        SysFreeString(value);
        return address;
    }

    void GoTo(const std::wstring& address) {
        Field->SetValue(address);
        if (!Options.Quiet) NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, Frame, OBJID_CLIENT, CHILDID_SELF);
    }
};

TBrowser gBrowser;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETOBJECT:
        if (LONG(lParam) != OBJID_CLIENT) break;
        if (gBrowser.Walks++ == 0 && gBrowser.Options.FindBar)
            SetTimer(window, kCloseFindBarTimer, kFindBarShownMs, nullptr);
        return LresultFromObject(IID_IAccessible, wParam,
                                 gBrowser.Options.FindBar ? gBrowser.FindBarRoot : gBrowser.Root);
    case WM_TIMER:  // the find bar closes, and the focus goes back to the page
        KillTimer(window, kCloseFindBarTimer);
        gBrowser.Options.FindBar = false;
        NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, CHILDID_SELF);
        return 0;
    case WM_SETTEXT:
        gBrowser.GoTo(reinterpret_cast<const wchar_t*>(lParam));
        break;
    case kFakeBrowserHang:
        gBrowser.HangMs = DWORD(wParam);
        return 0;
    case kFakeBrowserWalks:
        return gBrowser.Walks;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TOptions ParseOptions(const std::wstring& text) {
    auto has = [&](const std::wstring& option) { return (L"," + text + L",").find(L"," + option + L",") != std::wstring::npos; };
    return {has(L"chinese"), has(L"focused"), has(L"bigpage"), has(L"changing"),
            has(L"quiet"),   has(L"hang"),    has(L"findbar"), has(L"readonly")};
}

// The next blank-separated word, taken off the front of the text.
std::wstring NextWord(std::wstring& text) {
    size_t blank = text.find(L' ');
    std::wstring word = text.substr(0, blank);
    text = blank == std::wstring::npos ? L"" : text.substr(blank + 1);
    return word;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    OleInitialize(nullptr);
    std::wstring arguments = commandLine;
    gBrowser.Shape = NextWord(arguments);
    std::wstring frameClass = NextWord(arguments);
    gBrowser.Options = ParseOptions(NextWord(arguments));
    gBrowser.Build(arguments);
    if (gBrowser.Options.Hang) gBrowser.HangMs = kFirstWalkHangMs;

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = FrameProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = frameClass.c_str();
    RegisterClassW(&windowClass);
    gBrowser.Frame = CreateWindowExW(0, frameClass.c_str(), L"Fake Browser", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
                                     480, 300, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    gBrowser.Root->Release();
    gBrowser.FindBarRoot->Release();
    OleUninitialize();
    return 0;
}
