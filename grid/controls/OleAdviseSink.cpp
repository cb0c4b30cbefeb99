// Advise sink of an embedded object's viewer.
#include "grid/controls/OleAdviseSink.h"
#include "grid/controls/OleViewer.h"

STDMETHODIMP CGXAdviseSink::QueryInterface(REFIID riid, void** ppv)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IAdviseSink))
    {
        *ppv = static_cast<IAdviseSink*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CGXAdviseSink::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_nRefs);
}

STDMETHODIMP_(ULONG) CGXAdviseSink::Release()
{
    LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return (ULONG)nRefs;
}

STDMETHODIMP_(void) CGXAdviseSink::OnDataChange(FORMATETC*, STGMEDIUM*)
{
}

STDMETHODIMP_(void) CGXAdviseSink::OnViewChange(DWORD, LONG)
{
}

STDMETHODIMP_(void) CGXAdviseSink::OnRename(IMoniker*)
{
}

STDMETHODIMP_(void) CGXAdviseSink::OnSave()
{
}

STDMETHODIMP_(void) CGXAdviseSink::OnClose()
{
    if (m_pViewer != NULL)
        m_pViewer->Close();
}
