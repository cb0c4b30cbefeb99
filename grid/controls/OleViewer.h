// A viewer turns a cell's object bytes into a live embedded object and back. The interface;
// the one implementation is CGXGenericViewerImpl.
#pragma once
#include "OleVariant.h"
#include <windows.h>
#include <ole2.h>

class CGXControl;
class CGXGridCore;
class CGXStyle;
template <class T> class CGXInterfaceManager;

class CGXOleViewer
{
  public:
    virtual ~CGXOleViewer() = default;
    virtual BOOL Open(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pOwner, BOOL bShow) = 0;
    virtual BOOL ShowObject() = 0;
    // A new global block with the bytes to load; NULL when there are none.
    virtual HGLOBAL GetData(const CGXStyle& style) = 0;
    // Forgets the owner.
    virtual void Close();
    // Tells the owner its cell changed.
    virtual void OnDataChanged();
    virtual void Reset() = 0;
    virtual BOOL SaveToVariant() = 0;
    virtual const VARIANT& GetVariant() = 0;
    virtual IStorage* GetStorage() = 0;
    virtual IOleObject* GetOleObject() = 0;
    virtual IOleClientSite* CreateClientSite() = 0;
    virtual BOOL IsClipboardAvailable() = 0;
    // The new value, NULL when the clipboard cannot be read or holds no object.
    virtual const VARIANT* CreateFromClipboard() = 0;
    virtual BOOL CanCopy() = 0;
    virtual IDataObject* GetDataObject(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pOwner) = 0;
    virtual BOOL CanCut() = 0;
    virtual IDataObject* GetDataObjectForCut(const CGXStyle& style, CGXGridCore* pGrid,
                                             CGXControl* pOwner) = 0;
    virtual IAdviseSink* CreateAdviseSink() = 0;
    virtual BOOL InsertObject(CGXGridCore* pGrid) = 0;
    virtual LONG GetVerb() = 0;
    virtual BOOL ConvertOle1Stream(HGLOBAL hData, CGXGridCore* pGrid, BOOL bShow) = 0;
    virtual CGXInterfaceManager<IUnknown>* GetInterfaceManager() = 0;
    virtual BOOL IsByteArray() = 0;

    CGXControl* m_pOwner = NULL;
};
