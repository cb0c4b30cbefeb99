// CMetaFileDC: a DC whose output is recorded into a metafile.
#include "MetaFileDC.h"

IMPLEMENT_DYNAMIC(CMetaFileDC, CDC)

CMetaFileDC::~CMetaFileDC()
{
    if (m_hDC == NULL)
        return;
    // Never closed: close and throw away what was recorded.
    if (m_bEnhanced)
    {
        HENHMETAFILE hEmf = CloseEnhanced();
        if (hEmf != NULL)
            ::DeleteEnhMetaFile(hEmf);
    }
    else
    {
        HMETAFILE hMf = Close();
        if (hMf != NULL)
            ::DeleteMetaFile(hMf);
    }
}

BOOL CMetaFileDC::Create(LPCTSTR lpszFilename)
{
    m_bEnhanced = FALSE;
    return Attach(::CreateMetaFile(lpszFilename));
}

BOOL CMetaFileDC::CreateEnhanced(CDC* pDCRef, LPCTSTR lpszFileName, LPCRECT lpBounds, LPCTSTR lpszDescription)
{
    if (!Attach(::CreateEnhMetaFile(pDCRef->GetSafeHdc(), lpszFileName, lpBounds, lpszDescription)))
        return FALSE;
    m_bEnhanced = TRUE;
    // Queries (text metrics, device caps) are answered by the reference device.
    m_hAttribDC = pDCRef != NULL ? pDCRef->m_hAttribDC : m_hDC;
    return TRUE;
}

HMETAFILE CMetaFileDC::Close()
{
    return ::CloseMetaFile(Detach());
}
HENHMETAFILE CMetaFileDC::CloseEnhanced()
{
    return ::CloseEnhMetaFile(Detach());
}
