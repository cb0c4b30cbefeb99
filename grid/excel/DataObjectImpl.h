// CGXDataObjectImpl: what a grid puts on the clipboard for Excel: the workbook storage under
// "BIFF8" and the same cells as text. Owns one reference on the storage and the text block;
// COM reference counted, deleted with both by its last Release.
#pragma once
#include <objidl.h>

class CGXEnumFormatEtc;

class CGXDataObjectImpl : public IDataObject
{
  public:
    // Construction: takes over the storage reference and the text block (which may be null).
    CGXDataObjectImpl(IStorage* pStorage, HGLOBAL hText);
    CGXDataObjectImpl(const CGXDataObjectImpl&) = delete;
    CGXDataObjectImpl& operator=(const CGXDataObjectImpl&) = delete;

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // IDataObject
    STDMETHOD(GetData)(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override;
    STDMETHOD(GetDataHere)(FORMATETC* pformatetc, STGMEDIUM* pmedium) override;
    STDMETHOD(QueryGetData)(FORMATETC* pformatetc) override;
    STDMETHOD(GetCanonicalFormatEtc)(FORMATETC* pformatectIn, FORMATETC* pformatetcOut) override;
    STDMETHOD(SetData)(FORMATETC* pformatetc, STGMEDIUM* pmedium, BOOL fRelease) override;
    STDMETHOD(EnumFormatEtc)(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) override;
    STDMETHOD(DAdvise)
    (FORMATETC* pformatetc, DWORD advf, IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
    STDMETHOD(DUnadvise)(DWORD dwConnection) override;
    STDMETHOD(EnumDAdvise)(IEnumSTATDATA** ppenumAdvise) override;

  protected:
    virtual ~CGXDataObjectImpl();

    IDataAdviseHolder* m_pAdviseHolder = NULL; // made by the first DAdvise
    ULONG m_nRef = 0;
    IStorage* m_pStorage;
    HGLOBAL m_hText;
    CGXEnumFormatEtc* m_pEnum = NULL; // one reference held
};
