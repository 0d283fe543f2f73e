#include "platform/win32/Win32Accessible.h"

#include <oleacc.h>

#include "platform/win32/SystemDll.h"
#include "platform/win32/Wide.h"

namespace pw::win32 {

namespace {

// The system's accessible object of a control, with another name; everything else is the
// system's.
class NamedAccessible final : public IAccessible {
  public:
    NamedAccessible(IAccessible* inner, std::u16string name)
        : inner_(inner), name_(std::move(name)) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, __uuidof(IAccessible))) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) return E_POINTER;
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF)
            return inner_->get_accName(child, name);
        // oleaut32 is loaded by whoever asks (oleacc needs it), not by start-up.
        static auto* const allocate =
            SystemFunction<decltype(SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
        *name = allocate ? allocate(W(name_), static_cast<UINT>(name_.size())) : nullptr;
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    // Everything else as the system answers it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        return inner_->GetTypeInfoCount(n);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override {
        return inner_->GetTypeInfo(i, l, t);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l,
                                            DISPID* d) override {
        return inner_->GetIDsOfNames(r, n, c, l, d);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v,
                                     EXCEPINFO* e, UINT* a) override {
        return inner_->Invoke(d, r, l, f, p, v, e, a);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override {
        return inner_->get_accParent(p);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* n) override {
        return inner_->get_accChildCount(n);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** d) override {
        return inner_->get_accChild(c, d);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* s) override {
        return inner_->get_accValue(c, s);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* s) override {
        return inner_->get_accDescription(c, s);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT c, VARIANT* r) override {
        return inner_->get_accRole(c, r);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* s) override {
        return inner_->get_accState(c, s);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* s) override {
        return inner_->get_accHelp(c, s);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, LONG* t) override {
        return inner_->get_accHelpTopic(f, c, t);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* s) override {
        return inner_->get_accKeyboardShortcut(c, s);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* c) override { return inner_->get_accFocus(c); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* c) override {
        return inner_->get_accSelection(c);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* s) override {
        return inner_->get_accDefaultAction(c, s);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG f, VARIANT c) override {
        return inner_->accSelect(f, c);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT c) override {
        return inner_->accLocation(x, y, w, h, c);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG d, VARIANT s, VARIANT* e) override {
        return inner_->accNavigate(d, s, e);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* c) override {
        return inner_->accHitTest(x, y, c);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override {
        return inner_->accDoDefaultAction(c);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR s) override {
        return inner_->put_accName(c, s);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR s) override {
        return inner_->put_accValue(c, s);
    }

  private:
    ~NamedAccessible() { inner_->Release(); }

    IAccessible* inner_;
    const std::u16string name_;
    LONG refs_ = 1;
};

}  // namespace

std::optional<LRESULT> AccessibleWithName(HWND control, WPARAM wp, LPARAM lp,
                                          const std::u16string& name) {
    if (name.empty() || static_cast<LONG>(lp) != OBJID_CLIENT) return std::nullopt;
    // oleacc is loaded only when something asks: start-up does without it.
    static auto* const standard = SystemFunction<decltype(CreateStdAccessibleObject)>(
        L"oleacc.dll", "CreateStdAccessibleObject");
    static auto* const toResult =
        SystemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    if (!standard || !toResult) return std::nullopt;
    IAccessible* inner = nullptr;
    if (FAILED(standard(control, OBJID_CLIENT, __uuidof(IAccessible),
                        reinterpret_cast<void**>(&inner))) ||
        !inner)
        return std::nullopt;
    auto* named = new NamedAccessible(inner, name);
    const LRESULT result = toResult(__uuidof(IAccessible), wp, named);
    named->Release();
    if (FAILED(result)) return std::nullopt;
    return result;
}

}  // namespace pw::win32
