#include "app/AccessibleAddress.h"

#include <oleacc.h>
#include <wrl/client.h>

#include <algorithm>
#include <map>
#include <vector>

#include "app/AddressField.h"

using Microsoft::WRL::ComPtr;

static_assert(msaa::kRoleWindow == ROLE_SYSTEM_WINDOW && msaa::kRoleDocument == ROLE_SYSTEM_DOCUMENT &&
              msaa::kRoleToolbar == ROLE_SYSTEM_TOOLBAR && msaa::kRoleText == ROLE_SYSTEM_TEXT &&
              msaa::kRoleComboBox == ROLE_SYSTEM_COMBOBOX && msaa::kRolePageTabList == ROLE_SYSTEM_PAGETABLIST);
static_assert(msaa::kStateFocused == STATE_SYSTEM_FOCUSED && msaa::kStateReadOnly == STATE_SYSTEM_READONLY &&
              msaa::kStateInvisible == STATE_SYSTEM_INVISIBLE);

namespace {
// Browsers keep their toolbars within a few levels of the frame; the budget
// keeps a walk short whatever a tree holds outside its documents and tab
// lists.
const int kMaxDepth = 24;
const int kMaxNodes = 1000;

struct TField {
    ComPtr<IAccessible> Object;
    long Child = CHILDID_SELF;
};

struct TRememberedField {
    TField Field;
    // The field's last reading: while its value stays, so does its focus,
    // and the state is not asked again (a call into the browser saved on
    // every idle step).
    TAddressReading Last;
};

thread_local std::map<HWND, TRememberedField> tRemembered;

VARIANT ChildId(long child) {
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    return id;
}

long RoleOf(IAccessible* object, long child) {
    VARIANT role;
    VariantInit(&role);
    if (FAILED(object->get_accRole(ChildId(child), &role))) return 0;
    long value = role.vt == VT_I4 ? role.lVal : 0;
    VariantClear(&role);
    return value;
}

std::optional<long> StateOf(IAccessible* object, long child) {
    VARIANT state;
    VariantInit(&state);
    if (FAILED(object->get_accState(ChildId(child), &state))) return std::nullopt;
    long value = state.vt == VT_I4 ? state.lVal : 0;
    VariantClear(&state);
    return value;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    return std::wstring(name, size_t(GetClassNameW(window, name, 256)));
}

ComPtr<IAccessible> ClientObject(HWND window) {
    ComPtr<IAccessible> client;
    if (FAILED(AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(client.GetAddressOf()))))
        return nullptr;
    return client;
}

// The child window an object stands for, when it is a child window's own
// object. (Wine's window objects answer nothing, not even their role.)
HWND ChildWindowOf(IAccessible* parent, IAccessible* child) {
    long role = RoleOf(child, CHILDID_SELF);
    if (role != 0 && role != ROLE_SYSTEM_WINDOW) return nullptr;
    HWND parentWindow = nullptr;
    HWND childWindow = nullptr;
    if (FAILED(WindowFromAccessibleObject(parent, &parentWindow)) ||
        FAILED(WindowFromAccessibleObject(child, &childWindow)) || childWindow == parentWindow)
        return nullptr;
    return childWindow;
}

long StateOrHidden(IAccessible* object, long child) {
    return StateOf(object, child).value_or(STATE_SYSTEM_INVISIBLE);
}

// A depth-first walk in tree order for the first node that is an address
// field by its role and place (app/AddressField.h).
class TFieldSearch {
public:
    explicit TFieldSearch(bool internetExplorer) : FInternetExplorer(internetExplorer) {}

    std::optional<TField> Find(IAccessible* root) {
        Visit(root, 0, {});
        return FFound;
    }

private:
    bool Spent() { return FFound || FNodesLeft-- <= 0; }

    void Visit(IAccessible* object, int depth, const TFieldPlace& place) {
        if (Spent()) return;
        long role = RoleOf(object, CHILDID_SELF);
        long state = StateOrHidden(object, CHILDID_SELF);
        if (IsNeverEntered(role, state)) return;
        if (IsAddressField(place, role, state)) {
            FFound = TField{object, CHILDID_SELF};
            return;
        }
        if (depth < kMaxDepth) VisitChildren(object, depth + 1, place.Below(role));
    }

    void VisitChildren(IAccessible* parent, int depth, const TFieldPlace& place) {
        long count = 0;
        if (FAILED(parent->get_accChildCount(&count)) || count <= 0) return;
        std::vector<VARIANT> children(size_t(std::min<long>(count, std::max(FNodesLeft, 1))));
        long obtained = 0;
        if (FAILED(AccessibleChildren(parent, 0, long(children.size()), children.data(), &obtained))) return;
        for (long i = 0; i < obtained; ++i) {
            VisitChild(parent, children[size_t(i)], depth, place);
            VariantClear(&children[size_t(i)]);
        }
    }

    void VisitChild(IAccessible* parent, const VARIANT& child, int depth, TFieldPlace place) {
        if (child.vt == VT_DISPATCH && child.pdispVal) {
            ComPtr<IAccessible> object;
            if (FAILED(child.pdispVal->QueryInterface(IID_PPV_ARGS(&object)))) return;
            // What a child window shows is in its client object, taken at once.
            if (HWND window = ChildWindowOf(parent, object.Get())) {
                if (IsPageWindowClass(ClassName(window)) || !(object = ClientObject(window))) return;
                place.InFrameChildWindow = FInternetExplorer;
            }
            Visit(object.Get(), depth, place);
        } else if (child.vt == VT_I4 && !Spent()) {
            // A simple element: its parent answers for it, and it has no children.
            if (IsAddressField(place, RoleOf(parent, child.lVal), StateOrHidden(parent, child.lVal)))
                FFound = TField{parent, child.lVal};
        }
    }

    bool FInternetExplorer;
    int FNodesLeft = kMaxNodes;
    std::optional<TField> FFound;
};

std::optional<TField> FindAddressField(HWND window) {
    ComPtr<IAccessible> root = ClientObject(window);
    if (!root) return std::nullopt;
    return TFieldSearch(ClassName(window) == L"IEFrame").Find(root.Get());
}

std::optional<TAddressReading> ReadField(const TField& field, const std::optional<TAddressReading>& last) {
    BSTR value = nullptr;
    if (FAILED(field.Object->get_accValue(ChildId(field.Child), &value))) return std::nullopt;
    std::wstring address = value ? std::wstring(value, SysStringLen(value)) : std::wstring();
    SysFreeString(value);
    if (last && last->Address == address) return last;
    std::optional<long> state = StateOf(field.Object.Get(), field.Child);
    if (!state) return std::nullopt;
    return TAddressReading{true, address, (*state & STATE_SYSTEM_FOCUSED) != 0};
}

void ForgetClosedWindows() {
    std::erase_if(tRemembered, [](const auto& entry) { return !IsWindow(entry.first); });
}
}  // namespace

std::optional<TAddressReading> ReadAccessibleAddress(HWND window) {
    ForgetClosedWindows();
    if (auto remembered = tRemembered.find(window); remembered != tRemembered.end()) {
        TRememberedField& field = remembered->second;
        if (std::optional<TAddressReading> reading = ReadField(field.Field, field.Last)) return field.Last = *reading;
        tRemembered.erase(remembered);
    }
    std::optional<TField> field = FindAddressField(window);
    if (!field) return TAddressReading{};
    std::optional<TAddressReading> reading = ReadField(*field, std::nullopt);
    // A field gone before it was read tells nothing of the window.
    if (reading) tRemembered[window] = {*field, *reading};
    return reading;
}

void ForgetAddressFields() { tRemembered.clear(); }
