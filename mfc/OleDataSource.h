// COleDataSource: the giving side of the clipboard and of drag and drop. Holds formats either
// rendered at once (CacheData) or on request (DelayRenderData, through OnRender*Data), and offers
// them as an IDataObject. Once on the clipboard the clipboard owns it; allocate it with new then.
//
// Differences from MFC:
// - No interface maps: the IDataObject is a member object forwarding to this one.
// - Delayed rendering into HGLOBAL and IStream media only; no SetData from the receiver
//   (OnSetData), no advise sinks, no target devices.
#pragma once
#include "CmdTarget.h"
#include "OleDataObject.h"
#include <vector>

class COleDropSource;
class CFile;

class COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)

  public:
    // Construction
    COleDataSource();
    ~COleDataSource() override;
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Operations
    // The data source takes lpStgMedium over.
    void CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = NULL);
    // The data source takes hGlobal over.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = NULL);
    // The format is rendered when asked for, through OnRenderData.
    void DelayRenderData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    void DelayRenderFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    void Empty();

    // Puts this source on the clipboard, which then owns it.
    void SetClipboard();
    // Renders everything the clipboard holds from us, so it outlives this program's sources.
    static void PASCAL FlushClipboard();
    // The source now on the clipboard when it is ours, else NULL.
    static COleDataSource* PASCAL GetClipboardOwner();

    // Runs a drag until dropped or cancelled; the effect the target chose, or DROPEFFECT_NONE.
    // With lpRectStartDrag the drag starts only once the mouse leaves that rectangle.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = NULL, COleDropSource* pDropSource = NULL);

    // The IDataObject of this source; with bAddRef the caller releases it.
    LPDATAOBJECT GetDataObject(BOOL bAddRef);
    // Reference counting of the object behind the interface; at zero a heap source deletes itself.
    DWORD InternalAddRef();
    DWORD InternalRelease();

    // Overridables
    virtual BOOL OnRenderData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium);
    virtual BOOL OnRenderGlobalData(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal);
    virtual BOOL OnRenderFileData(LPFORMATETC lpFormatEtc, CFile* pFile);

    // Implementation
  private:
    struct Entry
    {
        FORMATETC format;
        STGMEDIUM medium; // TYMED_NULL while delayed
    };
    class XDataObject : public IDataObject
    {
      public:
        COleDataSource* m_pOwner;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(GetData)(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium) override;
        STDMETHOD(GetDataHere)(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium) override;
        STDMETHOD(QueryGetData)(LPFORMATETC lpFormatEtc) override;
        STDMETHOD(GetCanonicalFormatEtc)(LPFORMATETC lpFormatIn, LPFORMATETC lpFormatOut) override;
        STDMETHOD(SetData)(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium, BOOL bRelease) override;
        STDMETHOD(EnumFormatEtc)(DWORD dwDirection, LPENUMFORMATETC* ppEnum) override;
        STDMETHOD(DAdvise)(LPFORMATETC, DWORD, LPADVISESINK, DWORD*) override;
        STDMETHOD(DUnadvise)(DWORD) override;
        STDMETHOD(EnumDAdvise)(LPENUMSTATDATA*) override;
    };
    friend class XDataObject;

    Entry* Find(const FORMATETC* lpFormatEtc);
    void AddEntry(const FORMATETC& format, const STGMEDIUM& medium);
    HRESULT Render(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium);

    std::vector<Entry> m_entries;
    XDataObject m_xDataObject;
    LONG m_dwRef;
    static COleDataSource* s_pClipboardSource;
};
