// A shown browser grid whose first field holds an embedded object's bytes, for the OLE cell
// tests, and byte-array variants.
#pragma once
#include "ControlsTestApp.h"
#include "grid/controls/OleVarUserAttribute.h"
#include "grid/core/BrowserWnd.h"
#include "grid/core/Data.h"
#include "GridIds.h"

inline COleVariant ByteVariant(const BYTE* pBytes, size_t nCount)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_ARRAY | VT_UI1;
    v.parray = ::SafeArrayCreateVector(VT_UI1, 0, (ULONG)nCount);
    void* pData = NULL;
    ::SafeArrayAccessData(v.parray, &pData);
    if (nCount > 0)
        memcpy(pData, pBytes, nCount);
    ::SafeArrayUnaccessData(v.parray);
    COleVariant var;
    var.Attach(v);
    return var;
}

// A browser whose first field holds an object: its cells show preview cells with the field's
// value, and a style stored there with the object attribute becomes the field's value.
class CObjectBrowser : public CGXBrowserWnd
{
  public:
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int mode, int nType) override
    {
        BOOL bFound = CGXBrowserWnd::GetStyleRowCol(nRow, nCol, style, mode, nType);
        if (nType == -1 || nRow < 1 || nCol != 1)
            return bFound;
        style.SetControl(GX_IDS_CTRL_OLEPREVIEW);
        CGXOleVarUserAttribute attribute;
        attribute.SetValue(m_object);
        style.SetUserAttribute(GX_IDS_UA_DAOBITMAP, attribute);
        return TRUE;
    }
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType) override
    {
        if (nRow >= 1 && nCol == 1 && pStyle != NULL && pStyle->HasUserAttribute(GX_IDS_UA_DAOBITMAP))
        {
            const CGXOleVarUserAttribute& attribute =
                (const CGXOleVarUserAttribute&)pStyle->GetUserAttribute(GX_IDS_UA_DAOBITMAP);
            const VARIANT* pVar = attribute.GetVariant();
            m_object = pVar != NULL ? COleVariant(*pVar) : COleVariant();
            m_bObjectFromViewer = attribute.m_bFromViewer;
            m_nObjectStores++;
            return TRUE;
        }
        return CGXBrowserWnd::StoreStyleRowCol(nRow, nCol, pStyle, mode, nType);
    }
    COleVariant m_object;
    int m_nObjectStores = 0;
    BOOL m_bObjectFromViewer = FALSE;
};

struct ObjectBrowserWindow : GridWindowOf<CObjectBrowser>
{
    ObjectBrowserWindow() : GridWindowOf(300, 120)
    {
        grid->m_pUndoImp = NULL;
        grid->OnGridInitialUpdate();
        CGXData* pData = grid->GetParam()->GetData();
        for (ROWCOL r = 1; r <= 3; r++)
            for (ROWCOL c = 1; c <= 2; c++)
                pData->StoreValueRowCol(r, c, "x", gxOverride, 0);
        grid->UpdateScrollbars();
        grid->RedrawAll();
        grid->SetFocus();
    }
};
