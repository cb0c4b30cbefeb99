// The generic viewer of embedded objects in cells.
#include "grid/controls/GenericViewerImpl.h"
#include "grid/controls/OleAdviseSink.h"
#include "grid/controls/OleClientSite.h"
#include "grid/controls/OleObjectBytes.h"
#include "grid/controls/OlePreview.h"
#include "grid/controls/OleVarUserAttribute.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"
#include "MessageSink.h"
#include <oledlg.h>
#include <string.h>

namespace
{
// A COM task string as ANSI text.
CString AnsiFromTaskString(LPOLESTR psz)
{
    CString str;
    if (psz == NULL)
        return str;
    int nBytes = ::WideCharToMultiByte(CP_ACP, 0, psz, -1, NULL, 0, NULL, NULL);
    if (nBytes > 0)
    {
        ::WideCharToMultiByte(CP_ACP, 0, psz, -1, str.GetBuffer(nBytes), nBytes, NULL, NULL);
        str.ReleaseBuffer();
    }
    ::CoTaskMemFree(psz);
    return str;
}

HWND GridWindow(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid != NULL ? pGrid->GridWnd() : NULL;
    return pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
}
} // namespace

CGXGenericViewerImpl::~CGXGenericViewerImpl()
{
    IOleObject* pObject = GetOleObject();
    if (pObject != NULL)
    {
        if (m_dwConnection != 0)
            pObject->Unadvise(m_dwConnection);
        pObject->Close(OLECLOSE_NOSAVE);
    }
    m_interfaces.ReleaseAll();
}

void CGXGenericViewerImpl::ShowResultText(HRESULT hr)
{
    LPSTR pszText = NULL;
    if (::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, NULL, (DWORD)hr, 0x800,
                         (LPSTR)&pszText, 0, NULL) != 0 &&
        pszText != NULL)
        AfxMessageBox(pszText);
    if (pszText != NULL)
        ::LocalFree(pszText);
}

CGXOlePreview* CGXGenericViewerImpl::GetPreviewOwner() const
{
    return m_pOwner != NULL && m_pOwner->IsKindOf(GX_CONTROL_CLASS(CGXOlePreview)) ? (CGXOlePreview*)m_pOwner
                                                                                   : NULL;
}

BOOL CGXGenericViewerImpl::Open(const CGXStyle& style, CGXGridCore* pGrid, CGXControl* pOwner, BOOL bShow)
{
    m_pOwner = pOwner;
    HGLOBAL hData = GetData(style);
    BOOL bOpened;
    if (hData == NULL)
        bOpened = InsertObject(pGrid);
    else
    {
        bOpened = ConvertOle1Stream(hData, pGrid, bShow);
        ::GlobalFree(hData);
    }
    if (!bOpened)
        m_pOwner = NULL;
    return bOpened;
}

BOOL CGXGenericViewerImpl::ShowObject()
{
    CGXOlePreview* pPreview = GetPreviewOwner();
    IOleObject* pObject = GetOleObject();
    if (pPreview == NULL || pObject == NULL)
        return FALSE;
    pObject->AddRef();
    pPreview->RaisePopupFlag();
    HRESULT hr = pObject->DoVerb(GetVerb(), NULL, NULL, 0, GridWindow(pPreview->Grid()), NULL);
    pObject->Release();
    if (FAILED(hr))
    {
        ShowResultText(hr);
        pPreview->RestorePopupFlag();
        return FALSE;
    }
    return TRUE;
}

HGLOBAL CGXGenericViewerImpl::GetData(const CGXStyle& style)
{
    const VARIANT* pSource = NULL;
    if (m_value.vt != VT_EMPTY && m_value.vt != VT_NULL)
        pSource = &m_value;
    else if (style.HasUserAttribute(GX_IDS_UA_DAOBITMAP))
    {
        const CGXAbstractUserAttribute& attribute = style.GetUserAttribute(GX_IDS_UA_DAOBITMAP);
        if (attribute.IsKindOf(RUNTIME_CLASS(CGXOleVarUserAttribute)))
            pSource = ((const CGXOleVarUserAttribute&)attribute).GetVariant();
    }
    if (pSource == NULL || pSource->vt == VT_EMPTY || pSource->vt == VT_NULL)
        return NULL;
    if (pSource->vt != (VT_ARRAY | VT_UI1) || pSource->parray == NULL)
    {
        AfxMessageBox(GX_IDS_OLE_WRONGFORMAT);
        return NULL;
    }
    SAFEARRAY* pArray = pSource->parray;
    DWORD nCount = pArray->rgsabound[0].cElements;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nCount);
    void* pBytes = NULL;
    if (hData == NULL || FAILED(::SafeArrayAccessData(pArray, &pBytes)))
    {
        if (hData != NULL)
            ::GlobalFree(hData);
        return NULL;
    }
    memcpy(::GlobalLock(hData), pBytes, nCount);
    ::GlobalUnlock(hData);
    ::SafeArrayUnaccessData(pArray);
    return hData;
}

void CGXGenericViewerImpl::Close()
{
    CGXOlePreview* pPreview = GetPreviewOwner();
    IOleObject* pObject = GetOleObject();
    if (pObject != NULL)
    {
        if (m_dwConnection != 0)
            pObject->Unadvise(m_dwConnection);
        m_dwConnection = 0;
        HRESULT hr = pObject->Close(OLECLOSE_SAVEIFDIRTY);
        if (FAILED(hr))
            ShowResultText(hr);
    }
    m_interfaces.Remove(IID_IOleObject, TRUE);
    m_interfaces.ReleaseAll();
    if (pPreview != NULL)
        pPreview->RestorePopupFlag();
    CGXOleViewer::Close();
}

void CGXGenericViewerImpl::Reset()
{
    m_value.Clear();
    m_interfaces.ReleaseAll();
}

BOOL CGXGenericViewerImpl::SaveToVariant()
{
    IStorage* pStorage = GetStorage();
    IOleObject* pObject = GetOleObject();
    if (pStorage == NULL || pObject == NULL)
        return FALSE;
    LPOLESTR pszName = NULL;
    CLSID clsid;
    LPOLESTR pszProgId = NULL;
    CByteArray ole1, bytes;
    HRESULT hr = pObject->GetUserType(USERCLASSTYPE_SHORT, &pszName);
    if (SUCCEEDED(hr))
        hr = pObject->GetUserClassID(&clsid);
    if (SUCCEEDED(hr))
        hr = ::ProgIDFromCLSID(clsid, &pszProgId);
    CString strName = AnsiFromTaskString(pszName);
    CString strClass = AnsiFromTaskString(pszProgId);
    if (SUCCEEDED(hr))
        hr = CGXOleObjectBytes::SaveOle1Stream(pStorage, ole1);
    if (SUCCEEDED(hr) &&
        !CGXOleObjectBytes::Build(strName, strClass, ole1.GetData(), (DWORD)ole1.GetSize(), bytes))
        hr = E_FAIL;
    SAFEARRAY* pArray = NULL;
    if (SUCCEEDED(hr))
    {
        pArray = ::SafeArrayCreateVector(VT_UI1, 0, (ULONG)bytes.GetSize());
        void* pData = NULL;
        if (pArray == NULL || FAILED(::SafeArrayAccessData(pArray, &pData)))
            hr = E_OUTOFMEMORY;
        else
        {
            memcpy(pData, bytes.GetData(), bytes.GetSize());
            ::SafeArrayUnaccessData(pArray);
        }
    }
    if (FAILED(hr))
    {
        if (pArray != NULL)
            ::SafeArrayDestroy(pArray);
        AfxMessageBox(GX_IDS_OLE_WRONGFORMAT);
        return FALSE;
    }
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_ARRAY | VT_UI1;
    var.parray = pArray;
    m_value.Clear();
    m_value.Attach(var);
    if (m_pOwner != NULL)
        m_pOwner->SetModify(TRUE);
    return TRUE;
}

const VARIANT& CGXGenericViewerImpl::GetVariant()
{
    return m_value;
}

IStorage* CGXGenericViewerImpl::GetStorage()
{
    return (IStorage*)m_interfaces.Lookup(IID_IStorage);
}

IOleObject* CGXGenericViewerImpl::GetOleObject()
{
    return (IOleObject*)m_interfaces.Lookup(IID_IOleObject);
}

IOleClientSite* CGXGenericViewerImpl::CreateClientSite()
{
    return new CGXClientSite(this);
}

IAdviseSink* CGXGenericViewerImpl::CreateAdviseSink()
{
    return new CGXAdviseSink(this);
}

BOOL CGXGenericViewerImpl::IsClipboardAvailable()
{
    IDataObject* pData = NULL;
    if (FAILED(::OleGetClipboard(&pData)))
        return FALSE;
    pData->Release();
    return TRUE;
}

BOOL CGXGenericViewerImpl::CreateStorage()
{
    ILockBytes* pLockBytes = NULL;
    IStorage* pStorage = NULL;
    if (FAILED(CGXOleObjectBytes::CreateMemoryStorage(&pLockBytes, &pStorage)))
        return FALSE;
    m_interfaces.Add(pLockBytes, IID_ILockBytes);
    m_interfaces.Add(pStorage, IID_IStorage);
    return TRUE;
}

BOOL CGXGenericViewerImpl::AdviseObject(IOleObject* pObject)
{
    IAdviseSink* pSink = CreateAdviseSink();
    HRESULT hr = pObject->Advise(pSink, &m_dwConnection);
    pSink->Release(); // the object keeps its own reference
    return SUCCEEDED(hr);
}

const VARIANT* CGXGenericViewerImpl::CreateFromClipboard()
{
    IDataObject* pData = NULL;
    if (FAILED(::OleGetClipboard(&pData)))
        return NULL;
    IOleObject* pObject = NULL;
    HRESULT hr = CreateStorage() ? S_OK : E_FAIL;
    if (SUCCEEDED(hr))
    {
        IOleClientSite* pSite = CreateClientSite();
        hr = ::OleCreateFromData(pData, IID_IOleObject, OLERENDER_NONE, NULL, pSite, GetStorage(),
                                 (void**)&pObject);
        pSite->Release(); // the object keeps its own reference
    }
    pData->Release();
    if (FAILED(hr) || pObject == NULL)
    {
        // Nothing embeddable on the clipboard: the caller reports it.
        m_interfaces.ReleaseAll();
        return NULL;
    }
    m_interfaces.Add(pObject, IID_IOleObject);
    if (!SaveToVariant())
        return NULL;
    return &m_value;
}

BOOL CGXGenericViewerImpl::CanCopy()
{
    return IsByteArray();
}

BOOL CGXGenericViewerImpl::CanCut()
{
    return IsByteArray();
}

IDataObject* CGXGenericViewerImpl::GetDataObject(const CGXStyle& style, CGXGridCore* pGrid,
                                                 CGXControl* pOwner)
{
    IDataObject* pDataObject = NULL;
    m_pOwner = pOwner;
    HGLOBAL hData = GetData(style);
    if (hData != NULL)
    {
        if (ConvertOle1Stream(hData, pGrid, FALSE))
        {
            HRESULT hr = GetOleObject()->GetClipboardData(0, &pDataObject);
            if (FAILED(hr))
            {
                ShowResultText(hr);
                AfxMessageBox(GX_IDS_OLE_COPYFAILED);
                pDataObject = NULL;
            }
            Close();
        }
        ::GlobalFree(hData);
    }
    m_pOwner = NULL;
    return pDataObject;
}

IDataObject* CGXGenericViewerImpl::GetDataObjectForCut(const CGXStyle& style, CGXGridCore* pGrid,
                                                       CGXControl* pOwner)
{
    IDataObject* pDataObject = GetDataObject(style, pGrid, pOwner);
    m_value.Clear();
    if (pOwner != NULL)
        pOwner->SetModify(TRUE);
    return pDataObject;
}

BOOL CGXGenericViewerImpl::InsertObject(CGXGridCore* pGrid)
{
    if (!CreateStorage())
        return FALSE;
    HWND hGrid = GridWindow(pGrid);
    CString strCaption;
    strCaption.LoadString(GX_IDS_OLE_INSERTCAPTION);
    char szFile[256] = {};
    IOleObject* pObject = NULL;
    IOleClientSite* pSite = CreateClientSite();
    OLEUIINSERTOBJECTA io;
    memset(&io, 0, sizeof(io));
    io.cbStruct = sizeof(io);
    io.dwFlags = IOF_SELECTCREATENEW | IOF_CREATENEWOBJECT;
    io.hWndOwner = hGrid;
    io.lpszCaption = strCaption;
    io.lpszFile = szFile;
    io.cchFile = 255;
    io.iid = IID_IOleObject;
    io.oleRender = OLERENDER_NONE;
    io.lpIOleClientSite = pSite;
    io.lpIStorage = GetStorage();
    io.ppvObj = (void**)&pObject;
    UINT nResult = ::OleUIInsertObjectA(&io);
    if (nResult == OLEUI_OK && pObject != NULL)
    {
        pSite->Release(); // the object keeps its own reference
        m_interfaces.Add(pObject, IID_IOleObject);
        if (GetPreviewOwner() == NULL)
        {
            Close();
            return FALSE;
        }
        pSite = NULL;
        pObject->GetClientSite(&pSite);
        HRESULT hr = pObject->DoVerb(GetVerb(), NULL, pSite, 0, hGrid, NULL);
        if (pSite != NULL)
            pSite->Release();
        if (FAILED(hr) || !AdviseObject(pObject))
        {
            Close();
            return FALSE;
        }
        return TRUE;
    }
    pSite->Release();
    Close();
    // The dialog answers 0 when it is cancelled here; only error codes are reported.
    if (nResult != OLEUI_CANCEL && nResult != OLEUI_FALSE && nResult != OLEUI_OK)
        AfxMessageBox(GX_IDS_OLE_INSERTFAILED);
    return FALSE;
}

LONG CGXGenericViewerImpl::GetVerb()
{
    return 0;
}

BOOL CGXGenericViewerImpl::ConvertOle1Stream(HGLOBAL hData, CGXGridCore* pGrid, BOOL bShow)
{
    if (GetPreviewOwner() == NULL)
        return FALSE;
    const BYTE* pBytes = (const BYTE*)::GlobalLock(hData);
    DWORD nSize = (DWORD)::GlobalSize(hData);
    CString strClass;
    DWORD nOffset = 0, nPayload = 0;
    CLSID clsid;
    HRESULT hr = E_FAIL;
    if (pBytes != NULL && CGXOleObjectBytes::Parse(pBytes, nSize, strClass, nOffset, nPayload))
    {
        WCHAR szClass[CGXOleObjectBytes::MaxClassLength];
        ::MultiByteToWideChar(CP_ACP, 0, strClass, -1, szClass, CGXOleObjectBytes::MaxClassLength);
        hr = ::CLSIDFromProgID(szClass, &clsid);
    }
    if (SUCCEEDED(hr) && !CreateStorage())
        hr = E_FAIL;
    IOleObject* pObject = NULL;
    if (SUCCEEDED(hr))
        hr = ::CoCreateInstance(clsid, NULL, CLSCTX_LOCAL_SERVER, IID_IOleObject, (void**)&pObject);
    if (SUCCEEDED(hr))
    {
        m_interfaces.Add(pObject, IID_IOleObject);
        hr = CGXOleObjectBytes::LoadOle1Stream(pBytes + nOffset, nPayload, GetStorage());
    }
    if (pBytes != NULL)
        ::GlobalUnlock(hData);
    IOleClientSite* pSite = NULL;
    if (SUCCEEDED(hr))
    {
        pSite = CreateClientSite();
        hr = pObject->SetClientSite(pSite);
    }
    IPersistStorage* pPersist = NULL;
    if (SUCCEEDED(hr))
        hr = pObject->QueryInterface(IID_IPersistStorage, (void**)&pPersist);
    if (SUCCEEDED(hr))
    {
        m_interfaces.Add(pPersist, IID_IPersistStorage);
        hr = pPersist->Load(GetStorage());
    }
    if (SUCCEEDED(hr) && bShow)
        hr = pObject->DoVerb(GetVerb(), NULL, pSite, 0, GridWindow(pGrid), NULL);
    if (SUCCEEDED(hr) && !AdviseObject(pObject))
        hr = E_FAIL;
    if (pSite != NULL)
        pSite->Release(); // the object keeps its own reference
    if (FAILED(hr))
    {
        if (pObject != NULL)
            pObject->SetClientSite(NULL);
        m_dwConnection = 0;
        m_interfaces.ReleaseAll();
        AfxMessageBox(GX_IDS_OLE_WRONGFORMAT);
        return FALSE;
    }
    return TRUE;
}

CGXInterfaceManager<IUnknown>* CGXGenericViewerImpl::GetInterfaceManager()
{
    return &m_interfaces;
}

BOOL CGXGenericViewerImpl::IsByteArray()
{
    return m_value.vt == (VT_ARRAY | VT_UI1);
}
