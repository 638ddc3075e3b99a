#pragma once
// The plumbing every IAccessible of the game shares: reference counting,
// the IDispatch that no screen reader uses through MSAA, and answers for
// what the board does not offer (values, help, actions, editing).
#include <windows.h>
#include <oleacc.h>

namespace zorbel::win {

class AccessibleBase : public IAccessible {
public:
    AccessibleBase() = default;
    AccessibleBase(const AccessibleBase&) = delete;
    AccessibleBase& operator=(const AccessibleBase&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

protected:
    virtual ~AccessibleBase() = default;

    // A child id as a VARIANT, and a VARIANT's child id (-1 if none).
    static void SetChild(VARIANT* v, long id);
    static long ChildOf(const VARIANT& v);
    // A screen rectangle as accLocation gives it.
    static void SetLocation(const RECT& r, long* left, long* top, long* width, long* height);

private:
    LONG references_ = 1;
};

}  // namespace zorbel::win
