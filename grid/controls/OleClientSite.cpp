// Client site of an embedded object's viewer.
#include "grid/controls/OleClientSite.h"
#include "grid/controls/InterfaceManager.h"
#include "grid/controls/OleViewer.h"

STDMETHODIMP CGXClientSite::QueryInterface(REFIID riid, void** ppv)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite))
    {
        *ppv = static_cast<IOleClientSite*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CGXClientSite::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_nRefs);
}

STDMETHODIMP_(ULONG) CGXClientSite::Release()
{
    LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return (ULONG)nRefs;
}

STDMETHODIMP CGXClientSite::SaveObject()
{
    IOleObject* pObject = m_pViewer != NULL ? m_pViewer->GetOleObject() : NULL;
    if (pObject != NULL)
    {
        IPersistStorage* pPersist = NULL;
        if (FAILED(pObject->QueryInterface(IID_IPersistStorage, (void**)&pPersist)))
            return E_FAIL;
        if (pPersist->IsDirty() == S_OK)
        {
            if (FAILED(::OleSave(pPersist, m_pViewer->GetStorage(), TRUE)))
            {
                pPersist->Release();
                return E_FAIL;
            }
            pPersist->SaveCompleted(NULL);
        }
        m_pViewer->SaveToVariant();
        pPersist->Release();
    }
    if (m_pViewer != NULL)
        m_pViewer->OnDataChanged();
    return S_OK;
}

STDMETHODIMP CGXClientSite::GetMoniker(DWORD, DWORD, IMoniker**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CGXClientSite::GetContainer(IOleContainer**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CGXClientSite::ShowObject()
{
    return S_OK;
}

STDMETHODIMP CGXClientSite::OnShowWindow(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CGXClientSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}
