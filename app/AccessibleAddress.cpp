#include "app/AccessibleAddress.h"

#include <oleacc.h>
#include <wrl/client.h>

#include <algorithm>
#include <map>
#include <vector>

using Microsoft::WRL::ComPtr;

namespace {
// Browsers keep their toolbars within a few levels of the frame; the budget
// keeps a walk short whatever a tree holds outside its documents.
const int kMaxDepth = 24;
const int kMaxNodes = 1000;
const DWORD kNoFieldRetryMs = 10000;

struct TField {
    ComPtr<IAccessible> Object;
    long Child = CHILDID_SELF;
};

struct TRememberedField {
    std::optional<TField> Field;
    DWORD WalkedAt = 0;
    // The field's last reading: while its value stays, so does its focus,
    // and the state is not asked again (a call into the browser saved on
    // every idle step).
    std::optional<TAddressReading> Last;
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

ComPtr<IAccessible> ClientObject(HWND window) {
    ComPtr<IAccessible> client;
    if (FAILED(AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(client.GetAddressOf()))))
        return nullptr;
    return client;
}

// A child window appears as its window object; what it shows is in its
// client object, which is taken at once. (Wine's window objects answer
// nothing, not even their role.)
ComPtr<IAccessible> ClientOfChildWindow(IAccessible* parent, IAccessible* child) {
    long role = RoleOf(child, CHILDID_SELF);
    if (role != 0 && role != ROLE_SYSTEM_WINDOW) return nullptr;
    HWND parentWindow = nullptr;
    HWND childWindow = nullptr;
    if (FAILED(WindowFromAccessibleObject(parent, &parentWindow)) ||
        FAILED(WindowFromAccessibleObject(child, &childWindow)) || !childWindow || childWindow == parentWindow)
        return nullptr;
    return ClientObject(childWindow);
}

bool IsEditableText(long role, long state) {
    return role == ROLE_SYSTEM_TEXT && !(state & (STATE_SYSTEM_READONLY | STATE_SYSTEM_INVISIBLE));
}

// A depth-first walk in tree order for the first editable text. Documents
// and hidden parts are never entered: a page's own search box is not the
// address, and a page's elements cost nothing.
class TFieldSearch {
public:
    std::optional<TField> Find(IAccessible* root) {
        Visit(root, 0);
        return FFound;
    }

private:
    bool Spent() { return FFound || FNodesLeft-- <= 0; }

    void Visit(IAccessible* object, int depth) {
        if (Spent()) return;
        long role = RoleOf(object, CHILDID_SELF);
        long state = StateOf(object, CHILDID_SELF).value_or(STATE_SYSTEM_INVISIBLE);
        if (role == ROLE_SYSTEM_DOCUMENT || (state & STATE_SYSTEM_INVISIBLE)) return;
        if (IsEditableText(role, state)) {
            FFound = TField{object, CHILDID_SELF};
            return;
        }
        if (depth < kMaxDepth) VisitChildren(object, depth + 1);
    }

    void VisitChildren(IAccessible* parent, int depth) {
        long count = 0;
        if (FAILED(parent->get_accChildCount(&count)) || count <= 0) return;
        std::vector<VARIANT> children(size_t(std::min<long>(count, std::max(FNodesLeft, 1))));
        long obtained = 0;
        if (FAILED(AccessibleChildren(parent, 0, long(children.size()), children.data(), &obtained))) return;
        for (long i = 0; i < obtained; ++i) {
            VisitChild(parent, children[size_t(i)], depth);
            VariantClear(&children[size_t(i)]);
        }
    }

    void VisitChild(IAccessible* parent, const VARIANT& child, int depth) {
        if (child.vt == VT_DISPATCH && child.pdispVal) {
            ComPtr<IAccessible> object;
            if (FAILED(child.pdispVal->QueryInterface(IID_PPV_ARGS(&object)))) return;
            if (ComPtr<IAccessible> client = ClientOfChildWindow(parent, object.Get())) object = client;
            Visit(object.Get(), depth);
        } else if (child.vt == VT_I4 && !Spent()) {
            // A simple element: its parent answers for it, and it has no children.
            if (IsEditableText(RoleOf(parent, child.lVal), StateOf(parent, child.lVal).value_or(STATE_SYSTEM_INVISIBLE)))
                FFound = TField{parent, child.lVal};
        }
    }

    int FNodesLeft = kMaxNodes;
    std::optional<TField> FFound;
};

std::optional<TField> FindAddressField(HWND window) {
    ComPtr<IAccessible> root = ClientObject(window);
    if (!root) return std::nullopt;
    return TFieldSearch().Find(root.Get());
}

std::optional<TAddressReading> ReadField(const TField& field, const std::optional<TAddressReading>& last) {
    BSTR value = nullptr;
    if (FAILED(field.Object->get_accValue(ChildId(field.Child), &value))) return std::nullopt;
    std::wstring address = value ? std::wstring(value, SysStringLen(value)) : std::wstring();
    SysFreeString(value);
    if (last && last->Address == address) return last;
    std::optional<long> state = StateOf(field.Object.Get(), field.Child);
    if (!state) return std::nullopt;
    return TAddressReading{address, (*state & STATE_SYSTEM_FOCUSED) != 0};
}

void ForgetClosedWindows() {
    std::erase_if(tRemembered, [](const auto& entry) { return !IsWindow(entry.first); });
}
}  // namespace

std::optional<TAddressReading> ReadAccessibleAddress(HWND window) {
    ForgetClosedWindows();
    TRememberedField& remembered = tRemembered[window];
    if (remembered.Field) {
        if ((remembered.Last = ReadField(*remembered.Field, remembered.Last))) return remembered.Last;
        remembered.Field.reset();
    } else if (remembered.WalkedAt && GetTickCount() - remembered.WalkedAt < kNoFieldRetryMs) {
        return std::nullopt;
    }
    remembered.WalkedAt = GetTickCount() | 1;
    remembered.Field = FindAddressField(window);
    if (!remembered.Field) return std::nullopt;
    remembered.Last = ReadField(*remembered.Field, std::nullopt);
    // A field gone before it was read is no window without a field.
    if (!remembered.Last) remembered = {};
    return remembered.Last;
}

void ForgetAddressFields() { tRemembered.clear(); }
