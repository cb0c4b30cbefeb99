// CImageList: creation, the handle map, drawing and the archive stream for Read/Write.
#include "ImageList.h"
#include "AfxState.h"
#include "Bitmap.h"
#include "DC.h"
#include "Wnd.h"
#include <objidl.h>

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace
{
CImageList* NewTempImageList()
{
    return new CImageList;
}

// An IStream that reads from and writes to an archive, so the image list's own stream format
// goes straight into the document file.
class CArchiveStream : public IStream
{
  public:
    explicit CArchiveStream(CArchive* pArchive) : m_pArchive(pArchive)
    {
    }
    virtual ~CArchiveStream() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override
    {
        if (iid == IID_IUnknown || iid == IID_IStream || iid == IID_ISequentialStream)
        {
            *ppv = static_cast<IStream*>(this);
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    // Lives on the caller's stack: reference counts are not used.
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return 1;
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        return 1;
    }
    HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override
    {
        try
        {
            ULONG n = m_pArchive->Read(pv, cb);
            if (pcbRead != NULL)
                *pcbRead = n;
            return n == cb ? S_OK : S_FALSE;
        }
        catch (CException* e)
        {
            e->Delete();
            return STG_E_READFAULT;
        }
    }
    HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override
    {
        try
        {
            m_pArchive->Write(pv, cb);
            if (pcbWritten != NULL)
                *pcbWritten = cb;
            return S_OK;
        }
        catch (CException* e)
        {
            e->Delete();
            return STG_E_WRITEFAULT;
        }
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Revert() override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override
    {
        return E_NOTIMPL;
    }

  private:
    CArchive* m_pArchive;
};
} // namespace

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST h)
{
    return AfxGetThreadState()->m_imageListMap.FromHandle(h, &NewTempImageList);
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST h)
{
    return AfxGetThreadState()->m_imageListMap.LookupPermanent(h);
}

void PASCAL CImageList::DeleteTempMap()
{
    AfxGetThreadState()->m_imageListMap.DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == NULL || m_hImageList != NULL)
        return FALSE;
    m_hImageList = hImageList;
    AfxGetThreadState()->m_imageListMap.SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != NULL && AfxGetThreadState()->m_imageListMap.LookupPermanent(hImageList) == this)
        AfxGetThreadState()->m_imageListMap.RemoveHandle(hImageList);
    m_hImageList = NULL;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == NULL)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return Attach(
        ImageList_LoadImage(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    return Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                             (HBITMAP)pbmMask->GetSafeHandle());
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL CImageList::Read(CArchive* pArchive)
{
    DeleteImageList();
    CArchiveStream stream(pArchive);
    return Attach(ImageList_Read(&stream));
}

BOOL CImageList::Write(CArchive* pArchive)
{
    CArchiveStream stream(pArchive);
    return ImageList_Write(m_hImageList, &stream);
}

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock)
{
    return ImageList_DragLeave(pWndLock->GetSafeHwnd());
}
