// SECBmpMgr: toolbar resources, image strips and the stretched large images.
#include "uilib/common/BmpMgr.h"
#include "mfc/ToolBar.h"
#include <memory>

IMPLEMENT_DYNAMIC(SECBmpMgr, CObject)

namespace
{
const int kSmallCx = 16, kSmallCy = 15;
const int kLargeCx = 22, kLargeCy = 24;
const UINT kHashSize = 17;

// Head of a toolbar resource: version, image width and height, item count (16 bits each).
const DWORD kHeadBytes = 8;
} // namespace

SECBmpMgr::SECBmpMgr()
    : m_map(10), m_cxSmall(kSmallCx), m_cySmall(kSmallCy), m_cxLarge(kLargeCx), m_cyLarge(kLargeCy),
      m_bSmallImages(TRUE), m_bMenuMode(FALSE), m_nRefs(1)
{
    m_map.InitHashTable(kHashSize);
}

SECBmpMgr::~SECBmpMgr()
{
    for (BmpInfo* pInfo : m_sources)
    {
        DeleteStrip(pInfo->hbmSmall, pInfo->bSmallSupplied);
        DeleteStrip(pInfo->hbmLarge, pInfo->bLargeSupplied);
        delete pInfo;
    }
}

void SECBmpMgr::Release()
{
    if (--m_nRefs == 0)
        delete this;
}

BOOL PASCAL SECBmpMgr::ReadToolBarResource(LPCTSTR lpszResource, UINT*& pIDs, int& nCount, int& cxImage,
                                           int& cyImage, BOOL bKeepSeparators)
{
    pIDs = NULL;
    nCount = 0;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResource, RT_TOOLBAR);
    HRSRC hRsrc = ::FindResource(hInst, lpszResource, RT_TOOLBAR);
    if (hRsrc == NULL)
        return FALSE;
    // The resource may come from a language library: every read stays inside its size.
    const DWORD cbResource = ::SizeofResource(hInst, hRsrc);
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const BYTE* pData = hGlobal != NULL ? (const BYTE*)::LockResource(hGlobal) : NULL;
    if (pData == NULL || cbResource < kHeadBytes)
        return FALSE;
    auto word = [pData](DWORD nOffset) { return (UINT)(pData[nOffset] | (pData[nOffset + 1] << 8)); };
    const UINT nItems = word(6);
    if (kHeadBytes + 2 * (DWORD)nItems > cbResource)
        return FALSE;
    cxImage = (int)word(2);
    cyImage = (int)word(4);
    pIDs = new UINT[nItems > 0 ? nItems : 1];
    for (UINT i = 0; i < nItems; i++)
    {
        UINT nID = word(kHeadBytes + 2 * i);
        if (nID != 0 || bKeepSeparators)
            pIDs[nCount++] = nID;
    }
    return TRUE;
}

BOOL SECBmpMgr::AddToolBarResource(UINT nSmallID, UINT nLargeID, BOOL bSysColors)
{
    UINT* pIDs = NULL;
    int nCount = 0, cx = 0, cy = 0;
    if (!ReadToolBarResource(nSmallID, pIDs, nCount, cx, cy))
        return FALSE;
    std::unique_ptr<UINT[]> ids(pIDs);
    if (m_sources.empty())
    {
        m_cxSmall = cx;
        m_cySmall = cy;
        UINT* pLargeIDs = NULL;
        int nLarge = 0, cxLarge = 0, cyLarge = 0;
        if (nLargeID != 0 && ReadToolBarResource(nLargeID, pLargeIDs, nLarge, cxLarge, cyLarge))
        {
            delete[] pLargeIDs;
            m_cxLarge = cxLarge;
            m_cyLarge = cyLarge;
        }
    }
    BmpInfo* pInfo = new BmpInfo{};
    pInfo->lpszSmall = MAKEINTRESOURCE(nSmallID);
    pInfo->lpszLarge = nLargeID != 0 ? MAKEINTRESOURCE(nLargeID) : NULL;
    pInfo->nCount = nCount;
    pInfo->bSysColors = bSysColors;
    AddSource(pInfo, ids.get(), nCount);
    return TRUE;
}

BOOL SECBmpMgr::AddBitmap(HBITMAP hbmSmall, HBITMAP hbmLarge, const UINT* pIDs, int nCount)
{
    if (pIDs == NULL || nCount <= 0)
        return FALSE;
    BmpInfo* pInfo = new BmpInfo{};
    pInfo->hbmSmall = hbmSmall;
    pInfo->hbmLarge = hbmLarge;
    pInfo->bSmallSupplied = hbmSmall != NULL;
    pInfo->bLargeSupplied = hbmLarge != NULL;
    pInfo->nCount = nCount;
    AddSource(pInfo, pIDs, nCount);
    return TRUE;
}

void SECBmpMgr::AddSource(BmpInfo* pInfo, const UINT* pIDs, int nCount)
{
    const int nSource = (int)m_sources.size();
    m_sources.push_back(pInfo);
    // An id registered before keeps its first image.
    for (int i = 0; i < nCount; i++)
    {
        BmpItem item;
        if (pIDs[i] == 0 || m_map.Lookup(pIDs[i], item))
            continue;
        item.nSource = nSource;
        item.nImage = i;
        m_map.SetAt(pIDs[i], item);
    }
    LoadSource(pInfo, TRUE);
}

BOOL SECBmpMgr::GetImage(UINT nID, HBITMAP& hbm, int& nImage, BOOL bForceSmall) const
{
    BmpItem item;
    if (!m_map.Lookup(nID, item))
        return FALSE;
    const BmpInfo* pInfo = m_sources[(size_t)item.nSource];
    hbm = (bForceSmall || m_bSmallImages) ? pInfo->hbmSmall : pInfo->hbmLarge;
    nImage = item.nImage;
    return TRUE;
}

void SECBmpMgr::SetSmallImages(BOOL bSmall)
{
    if (!m_bSmallImages == !bSmall)
        return;
    m_bSmallImages = bSmall;
    ReloadBitmaps(FALSE);
}

void SECBmpMgr::SetMenuMode(BOOL bMenuMode)
{
    if (!m_bMenuMode == !bMenuMode)
        return;
    m_bMenuMode = bMenuMode;
    ReloadBitmaps(FALSE);
}

void SECBmpMgr::SetImageSize(int cx, int cy)
{
    m_cxSmall = cx;
    m_cySmall = cy;
}

BOOL SECBmpMgr::ReloadBitmaps(BOOL bReload)
{
    for (BmpInfo* pInfo : m_sources)
        LoadSource(pInfo, bReload);
    return TRUE;
}

BOOL SECBmpMgr::LoadSource(BmpInfo* pInfo, BOOL bReload)
{
    BOOL bOk = TRUE;
    // Menus draw small images whatever the toolbars show.
    if ((m_bSmallImages || m_bMenuMode) && (bReload || pInfo->hbmSmall == NULL))
        bOk = LoadSmall(pInfo);
    if (m_bSmallImages)
    {
        DeleteStrip(pInfo->hbmLarge, pInfo->bLargeSupplied);
        return bOk;
    }
    if ((bReload || pInfo->hbmLarge == NULL) && !MakeLarge(pInfo))
        bOk = FALSE;
    if (!m_bMenuMode)
        DeleteStrip(pInfo->hbmSmall, pInfo->bSmallSupplied);
    return bOk;
}

BOOL SECBmpMgr::LoadSmall(BmpInfo* pInfo)
{
    if (pInfo->bSmallSupplied)
        return pInfo->hbmSmall != NULL;
    DeleteStrip(pInfo->hbmSmall, FALSE);
    pInfo->hbmSmall = LoadStrip(pInfo->lpszSmall, pInfo->bSysColors);
    return pInfo->hbmSmall != NULL;
}

BOOL SECBmpMgr::MakeLarge(BmpInfo* pInfo)
{
    if (pInfo->bLargeSupplied)
        return pInfo->hbmLarge != NULL;
    DeleteStrip(pInfo->hbmLarge, FALSE);
    if (pInfo->lpszLarge != NULL)
    {
        pInfo->hbmLarge = LoadStrip(pInfo->lpszLarge, pInfo->bSysColors);
        return pInfo->hbmLarge != NULL;
    }
    const BOOL bLoadedHere = pInfo->hbmSmall == NULL;
    if (bLoadedHere && !LoadSmall(pInfo))
        return FALSE;
    HDC hDCScreen = ::GetDC(NULL);
    HBITMAP hbmLarge = ::CreateCompatibleBitmap(hDCScreen, pInfo->nCount * m_cxLarge, m_cyLarge);
    HDC hDCSrc = ::CreateCompatibleDC(hDCScreen);
    HDC hDCDst = ::CreateCompatibleDC(hDCScreen);
    if (hbmLarge != NULL && hDCSrc != NULL && hDCDst != NULL)
    {
        HGDIOBJ hOldSrc = ::SelectObject(hDCSrc, pInfo->hbmSmall);
        HGDIOBJ hOldDst = ::SelectObject(hDCDst, hbmLarge);
        for (int i = 0; i < pInfo->nCount; i++)
            ::StretchBlt(hDCDst, i * m_cxLarge, 0, m_cxLarge, m_cyLarge, hDCSrc, i * m_cxSmall, 0, m_cxSmall,
                         m_cySmall, SRCCOPY);
        ::SelectObject(hDCSrc, hOldSrc);
        ::SelectObject(hDCDst, hOldDst);
    }
    if (hDCSrc != NULL)
        ::DeleteDC(hDCSrc);
    if (hDCDst != NULL)
        ::DeleteDC(hDCDst);
    ::ReleaseDC(NULL, hDCScreen);
    if (bLoadedHere)
        DeleteStrip(pInfo->hbmSmall, FALSE);
    pInfo->hbmLarge = hbmLarge;
    return hbmLarge != NULL;
}

HBITMAP SECBmpMgr::LoadStrip(LPCTSTR lpszName, BOOL bSysColors)
{
    if (lpszName == NULL)
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_BITMAP);
    if (!bSysColors)
        return ::LoadBitmap(hInst, lpszName);
    HRSRC hRsrc = ::FindResource(hInst, lpszName, RT_BITMAP);
    return hRsrc != NULL ? AfxLoadSysColorBitmap(hInst, hRsrc) : NULL;
}

void SECBmpMgr::DeleteStrip(HBITMAP& hbm, BOOL bSupplied)
{
    if (hbm != NULL && !bSupplied)
        ::DeleteObject(hbm);
    if (!bSupplied)
        hbm = NULL;
}
