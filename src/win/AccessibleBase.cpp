#include "win/AccessibleBase.h"

namespace zorbel::win {

HRESULT AccessibleBase::QueryInterface(REFIID riid, void** out) {
    if (out == nullptr) return E_POINTER;
    // __uuidof, not the library's IID_IAccessible: linked statically, that
    // symbol is an import thunk's address rather than the GUID.
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleBase::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleBase::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT AccessibleBase::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT AccessibleBase::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT AccessibleBase::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT AccessibleBase::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

namespace {

HRESULT NoText(BSTR* text) {
    if (text == nullptr) return E_POINTER;
    *text = nullptr;
    return S_FALSE;
}

}  // namespace

HRESULT AccessibleBase::get_accValue(VARIANT, BSTR* value) { return NoText(value); }
HRESULT AccessibleBase::get_accDescription(VARIANT, BSTR* text) { return NoText(text); }
HRESULT AccessibleBase::get_accHelp(VARIANT, BSTR* text) { return NoText(text); }
HRESULT AccessibleBase::get_accKeyboardShortcut(VARIANT, BSTR* text) { return NoText(text); }
HRESULT AccessibleBase::get_accDefaultAction(VARIANT, BSTR* text) { return NoText(text); }

HRESULT AccessibleBase::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file != nullptr) *file = nullptr;
    if (topic != nullptr) *topic = -1;
    return S_FALSE;
}

// Selecting is playing, which goes through the game's own input only.
HRESULT AccessibleBase::get_accSelection(VARIANT* selected) {
    if (selected == nullptr) return E_POINTER;
    selected->vt = VT_EMPTY;
    return S_FALSE;
}
HRESULT AccessibleBase::accSelect(long, VARIANT) { return DISP_E_MEMBERNOTFOUND; }
HRESULT AccessibleBase::accDoDefaultAction(VARIANT) { return DISP_E_MEMBERNOTFOUND; }
HRESULT AccessibleBase::put_accName(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }
HRESULT AccessibleBase::put_accValue(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }

HRESULT AccessibleBase::accNavigate(long, VARIANT, VARIANT* end) {
    if (end != nullptr) end->vt = VT_EMPTY;
    return DISP_E_MEMBERNOTFOUND;
}

void AccessibleBase::SetChild(VARIANT* v, long id) {
    v->vt = VT_I4;
    v->lVal = id;
}

long AccessibleBase::ChildOf(const VARIANT& v) { return v.vt == VT_I4 ? v.lVal : -1; }

void AccessibleBase::SetLocation(const RECT& r, long* left, long* top, long* width, long* height) {
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
}

}  // namespace zorbel::win
