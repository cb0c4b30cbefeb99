// CImageList: owns an image list of the common controls (small images of equal size, with
// masks), draws them, stores them in archives, and runs the drag image during drag and drop.
//
// Differences from MFC:
// - Copy operations are deleted; FromHandle wrappers live in the per-thread handle map.
#pragma once
#include "afx.h"
#include <commctrl.h>

class CDC;
class CBitmap;
class CWnd;

class CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)

  public:
    // Construction
    CImageList() : m_hImageList(NULL)
    {
    }
    ~CImageList() override
    {
        DeleteImageList();
    }
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(CImageList* pImageList); // a copy

    // Attributes
    HIMAGELIST m_hImageList;
    operator HIMAGELIST() const
    {
        return m_hImageList;
    }
    HIMAGELIST GetSafeHandle() const
    {
        const CImageList* volatile self = this;
        return self == NULL ? NULL : self->m_hImageList;
    }
    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    static CImageList* PASCAL FromHandlePermanent(HIMAGELIST hImageList);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    int GetImageCount() const
    {
        return ImageList_GetImageCount(m_hImageList);
    }
    COLORREF SetBkColor(COLORREF cr)
    {
        return ImageList_SetBkColor(m_hImageList, cr);
    }
    COLORREF GetBkColor() const
    {
        return ImageList_GetBkColor(m_hImageList);
    }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
    {
        return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    BOOL SetImageCount(UINT uNewCount)
    {
        return ImageList_SetImageCount(m_hImageList, uNewCount);
    }

    // Operations
    BOOL DeleteImageList();
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon)
    {
        return ImageList_AddIcon(m_hImageList, hIcon);
    }
    BOOL Remove(int nImage)
    {
        return ImageList_Remove(m_hImageList, nImage);
    }
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon)
    {
        return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
    }
    HICON ExtractIcon(int nImage)
    {
        return ImageList_ExtractIcon(NULL, m_hImageList, nImage);
    }
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL SetOverlayImage(int nImage, int nOverlay)
    {
        return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
    }
    BOOL Read(CArchive* pArchive);
    BOOL Write(CArchive* pArchive);

    // Drag images
    BOOL BeginDrag(int nImage, CPoint ptHotSpot)
    {
        return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
    }
    static void PASCAL EndDrag()
    {
        ImageList_EndDrag();
    }
    static BOOL PASCAL DragMove(CPoint pt)
    {
        return ImageList_DragMove(pt.x, pt.y);
    }
    BOOL SetDragCursorImage(int nDrag, CPoint ptHotSpot)
    {
        return ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y);
    }
    static BOOL PASCAL DragShowNolock(BOOL bShow)
    {
        return ImageList_DragShowNolock(bShow);
    }
    static CImageList* PASCAL GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot)
    {
        return FromHandle(ImageList_GetDragImage(lpPoint, lpPointHotSpot));
    }
    static BOOL PASCAL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL PASCAL DragLeave(CWnd* pWndLock);

    // Implementation
    void AttachTemporaryHandle(HIMAGELIST h)
    {
        m_hImageList = h;
    }
    void DetachTemporaryHandle()
    {
        m_hImageList = NULL;
    }
};
