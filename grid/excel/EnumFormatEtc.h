// CGXEnumFormatEtc: enumerates the clipboard formats a grid data object offers. Holds its own
// copy of the formats; COM reference counted, deleted by its last Release.
#pragma once
#include <objidl.h>

class CGXEnumFormatEtc : public IEnumFORMATETC
{
  public:
    // Construction
    CGXEnumFormatEtc(const FORMATETC* pFormats, DWORD nCount, DWORD nPos = 0);
    CGXEnumFormatEtc(const CGXEnumFormatEtc&) = delete;
    CGXEnumFormatEtc& operator=(const CGXEnumFormatEtc&) = delete;

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // IEnumFORMATETC
    STDMETHOD(Next)(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) override;
    STDMETHOD(Skip)(ULONG celt) override;
    STDMETHOD(Reset)() override;
    STDMETHOD(Clone)(IEnumFORMATETC** ppenum) override;

  protected:
    virtual ~CGXEnumFormatEtc();

    ULONG m_nRef = 0;
    DWORD m_nPos;
    DWORD m_nCount;
    FORMATETC* m_pFormats = NULL; // null when there are none or the copy failed
};
