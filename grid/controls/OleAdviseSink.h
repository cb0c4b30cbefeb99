// The advise sink a viewer registers with its object: closing the object closes the viewer.
#pragma once
#include <windows.h>
#include <ole2.h>

class CGXOleViewer;

class CGXAdviseSink : public IAdviseSink
{
  public:
    explicit CGXAdviseSink(CGXOleViewer* pViewer) : m_pViewer(pViewer)
    {
    }
    virtual ~CGXAdviseSink() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP_(void) OnDataChange(FORMATETC*, STGMEDIUM*) override;
    STDMETHODIMP_(void) OnViewChange(DWORD, LONG) override;
    STDMETHODIMP_(void) OnRename(IMoniker*) override;
    STDMETHODIMP_(void) OnSave() override;
    STDMETHODIMP_(void) OnClose() override;

  private:
    LONG m_nRefs = 1;
    CGXOleViewer* m_pViewer;
};
