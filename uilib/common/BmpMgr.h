// SECBmpMgr: the images of toolbar buttons by command id. It loads toolbar resources (the
// command ids of type 241 and the bitmap strip of the same id), keeps one strip per source and
// serves small or large images, stretching the small ones when no large bitmap exists. Shared
// by reference count among the toolbars of one toolbar manager; Release deletes it at zero.
#pragma once
#include "afxwin.h"
#include "afxtempl.h"
#include <vector>

#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

class SECBmpMgr : public CObject
{
    DECLARE_DYNAMIC(SECBmpMgr)

  public:
    // Where a command's image lies: the source and the position in its strip.
    struct BmpItem
    {
        int nSource;
        int nImage;
    };
    // One image source: a toolbar resource or bitmaps the caller supplied.
    struct BmpInfo
    {
        LPCTSTR lpszSmall; // resource names, NULL when none
        LPCTSTR lpszLarge;
        HBITMAP hbmSmall;
        HBITMAP hbmLarge;
        int nCount;
        BOOL bSysColors;     // loaded with the button colours mapped to the system's
        BOOL bSmallSupplied; // the caller's bitmaps: neither loaded nor deleted here
        BOOL bLargeSupplied;
    };

    // Construction
    SECBmpMgr();
    ~SECBmpMgr() override;
    SECBmpMgr(const SECBmpMgr&) = delete;
    SECBmpMgr& operator=(const SECBmpMgr&) = delete;
    void AddRef()
    {
        m_nRefs++;
    }
    void Release();

    // Operations
    // Registers toolbar resource nSmallID (with nLargeID's large images when not 0). FALSE when
    // the small resource is missing or does not fit its size; then nothing is registered.
    BOOL AddToolBarResource(UINT nSmallID, UINT nLargeID = 0, BOOL bSysColors = TRUE);
    // Caller-supplied strips for count command ids (0 in the list: no image).
    BOOL AddBitmap(HBITMAP hbmSmall, HBITMAP hbmLarge, const UINT* pIDs, int nCount);
    // The command ids of a toolbar resource (new[]'d into pIDs, the caller deletes[]), with
    // separators (0) only when bKeepSeparators. FALSE when the resource is missing or its item
    // count passes its end.
    static BOOL PASCAL ReadToolBarResource(LPCTSTR lpszResource, UINT*& pIDs, int& nCount, int& cxImage,
                                           int& cyImage, BOOL bKeepSeparators = FALSE);
    static BOOL PASCAL ReadToolBarResource(UINT nID, UINT*& pIDs, int& nCount, int& cxImage, int& cyImage,
                                           BOOL bKeepSeparators = FALSE)
    {
        return ReadToolBarResource(MAKEINTRESOURCE(nID), pIDs, nCount, cxImage, cyImage, bKeepSeparators);
    }
    // The strip and the image index of a command; FALSE for an unknown id.
    BOOL GetImage(UINT nID, HBITMAP& hbm, int& nImage, BOOL bForceSmall = FALSE) const;
    void SetSmallImages(BOOL bSmall);
    BOOL GetSmallImages() const
    {
        return m_bSmallImages;
    }
    void SetMenuMode(BOOL bMenuMode);
    void SetImageSize(int cx, int cy);
    // Every source again (also after a change of the system colours).
    BOOL ReloadBitmaps(BOOL bReload = TRUE);

    // Attributes
    // The size of the images being served.
    CSize GetImageSize() const
    {
        return m_bSmallImages ? CSize(m_cxSmall, m_cySmall) : CSize(m_cxLarge, m_cyLarge);
    }
    CSize GetSmallSize() const
    {
        return CSize(m_cxSmall, m_cySmall);
    }
    CSize GetLargeSize() const
    {
        return CSize(m_cxLarge, m_cyLarge);
    }
    int GetSourceCount() const
    {
        return (int)m_sources.size();
    }
    const BmpInfo& GetSource(int nSource) const
    {
        return *m_sources[(size_t)nSource];
    }

    // Overridables
    virtual BOOL LoadSource(BmpInfo* pInfo, BOOL bReload);
    virtual BOOL LoadSmall(BmpInfo* pInfo);
    virtual BOOL MakeLarge(BmpInfo* pInfo);

    // Implementation
  protected:
    void AddSource(BmpInfo* pInfo, const UINT* pIDs, int nCount);
    static HBITMAP LoadStrip(LPCTSTR lpszName, BOOL bSysColors);
    static void DeleteStrip(HBITMAP& hbm, BOOL bSupplied);

    CMap<UINT, UINT, BmpItem, const BmpItem&> m_map;
    std::vector<BmpInfo*> m_sources;
    int m_cxSmall, m_cySmall;
    int m_cxLarge, m_cyLarge;
    BOOL m_bSmallImages;
    BOOL m_bMenuMode;
    int m_nRefs;
};
