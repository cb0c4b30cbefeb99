// The viewer of OLE preview cells: cell bytes (CGXOleObjectBytes) become an object loaded
// through its class from a memory storage, activated with its primary verb; when the server
// saves, the storage becomes cell bytes again.
#pragma once
#include "grid/controls/InterfaceManager.h"
#include "grid/controls/OleViewer.h"

class CGXGenericViewerImpl : public CGXOleViewer
{
  public:
    CGXGenericViewerImpl() = default;
    ~CGXGenericViewerImpl() override;

    BOOL Open(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pOwner, BOOL bShow) override;
    BOOL ShowObject() override;
    HGLOBAL GetData(const CGXStyle& style) override;
    void Close() override;
    void Reset() override;
    BOOL SaveToVariant() override;
    const VARIANT& GetVariant() override;
    IStorage* GetStorage() override;
    IOleObject* GetOleObject() override;
    IOleClientSite* CreateClientSite() override;
    BOOL IsClipboardAvailable() override;
    const VARIANT* CreateFromClipboard() override;
    BOOL CanCopy() override;
    IDataObject* GetDataObject(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pOwner) override;
    BOOL CanCut() override;
    IDataObject* GetDataObjectForCut(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pOwner) override;
    IAdviseSink* CreateAdviseSink() override;
    BOOL InsertObject(CGXGridCore* pGrid) override;
    LONG GetVerb() override;
    BOOL ConvertOle1Stream(HGLOBAL hData, CGXGridCore* pGrid, BOOL bShow) override;
    CGXInterfaceManager<IUnknown>* GetInterfaceManager() override;
    BOOL IsByteArray() override;

    // Shows the system text of a COM result; nothing when the system has none.
    static void ShowResultText(HRESULT hr);

  protected:
    // A memory storage whose lock-bytes and storage go into the holder.
    BOOL CreateStorage();
    // The owner when it is an OLE preview cell, else NULL.
    class CGXOlePreview* GetPreviewOwner() const;
    // Registers the advise sink with the held object.
    BOOL AdviseObject(IOleObject* pObject);

    COleVariant m_value;
    CGXInterfaceManager<IUnknown> m_interfaces;
    DWORD m_dwConnection = 0;
};
