#include "notes/JotboxCom.h"

#include <oleauto.h>

#include <string>

#include "jotbox.h"
#include "notes/JotboxModule.h"
#include "notes/NotesControl.h"
#include "win/Scoped.h"

namespace vantora::notes {

namespace {

LONG gObjects = 0;
LONG gLocks = 0;

// The control's own type library, embedded in its module as TYPELIB 1.
win::ComPtr<ITypeInfo> LoadInterfaceTypeInfo()
{
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(JotboxModule(), path, MAX_PATH);
    win::ComPtr<ITypeLib> library;
    win::ComPtr<ITypeInfo> info;
    if (SUCCEEDED(LoadTypeLibEx(path, REGKIND_NONE, library.Put())))
        library->GetTypeInfoOfGuid(IID_IJotboxC, info.Put());
    return info;
}

#ifdef _WIN64
using AddressArg = hyper;
#else
using AddressArg = LONG;
#endif

class JotboxObject final : public IJotboxC {
public:
    JotboxObject() : typeInfo_(LoadInterfaceTypeInfo()) { InterlockedIncrement(&gObjects); }
    ~JotboxObject() { InterlockedDecrement(&gObjects); }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IJotboxC)) {
            *object = static_cast<IJotboxC*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&refs_);
        if (left == 0)
            delete this;
        return ULONG(left);
    }

    // IDispatch: the methods by their DISPIDs, through the type library.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = typeInfo_ ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override
    {
        if (!info)
            return E_POINTER;
        *info = nullptr;
        if (index != 0 || !typeInfo_)
            return DISP_E_BADINDEX;
        typeInfo_->AddRef();
        *info = typeInfo_.Get();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        if (!typeInfo_)
            return E_NOTIMPL;
        return DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override
    {
        if (!typeInfo_)
            return E_NOTIMPL;
        return typeInfo_->Invoke(static_cast<IJotboxC*>(this), id, flags, params, result, exception, argError);
    }

    // IJotboxC: the control's results travel as the HRESULT itself.
    HRESULT STDMETHODCALLTYPE CreateNew() override { return control_.CreateNew(); }
    HRESULT STDMETHODCALLTYPE Reset() override { return control_.Reset(); }
    HRESULT STDMETHODCALLTYPE LoadData(LONG n) override
    {
        // Window handles carry 32 significant bits, sign-extended on Win64.
        return control_.LoadData(reinterpret_cast<HWND>(LONG_PTR(n)));
    }
    HRESULT STDMETHODCALLTYPE Save(LONG id) override { return control_.Save(id); }
    HRESULT STDMETHODCALLTYPE HideAll() override { return control_.HideAll(); }
    HRESULT STDMETHODCALLTYPE ShowAll() override { return control_.ShowAll(); }
    HRESULT STDMETHODCALLTYPE ShowNote(LONG id) override { return control_.ShowNote(id); }
    HRESULT STDMETHODCALLTYPE HideNote(LONG id) override { return control_.HideNote(id); }
    HRESULT STDMETHODCALLTYPE GetNote(AddressArg index, AddressArg info) override
    {
        // Both are addresses in the caller's process, as the host passes them.
        return control_.GetNote(reinterpret_cast<int32_t*>(INT_PTR(index)), reinterpret_cast<char*>(INT_PTR(info)));
    }
    HRESULT STDMETHODCALLTYPE ShowLast() override { return control_.ShowLast(); }
    HRESULT STDMETHODCALLTYPE Alam() override { return control_.Alam(); }

private:
    LONG refs_ = 1;
    NotesControl control_;
    win::ComPtr<ITypeInfo> typeInfo_;
};

class JotboxFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is static: its references only keep the module loaded.
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        InterlockedIncrement(&gLocks);
        return 2;
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        InterlockedDecrement(&gLocks);
        return 1;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* created = new (std::nothrow) JotboxObject();
        if (!created)
            return E_OUTOFMEMORY;
        HRESULT hr = created->QueryInterface(iid, object);
        created->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        if (lock)
            InterlockedIncrement(&gLocks);
        else
            InterlockedDecrement(&gLocks);
        return S_OK;
    }
};

JotboxFactory gFactory;

} // namespace

HRESULT GetJotboxClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_JotboxC))
        return CLASS_E_CLASSNOTAVAILABLE;
    return gFactory.QueryInterface(iid, object);
}

bool JotboxCanUnload() { return gObjects == 0 && gLocks == 0; }

} // namespace vantora::notes
