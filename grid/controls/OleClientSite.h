// The client site a viewer gives its embedded object: saving reaches the viewer, which turns
// the object back into cell bytes.
#pragma once
#include <windows.h>
#include <ole2.h>

class CGXOleViewer;

class CGXClientSite : public IOleClientSite
{
  public:
    explicit CGXClientSite(CGXOleViewer* pViewer) : m_pViewer(pViewer)
    {
    }
    virtual ~CGXClientSite() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override;
    STDMETHODIMP GetContainer(IOleContainer**) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL) override;
    STDMETHODIMP RequestNewObjectLayout() override;

  private:
    LONG m_nRefs = 1;
    CGXOleViewer* m_pViewer;
};
