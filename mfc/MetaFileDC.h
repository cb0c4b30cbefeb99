// CMetaFileDC: records drawing into an enhanced (or old-style) metafile; Close hands the
// metafile to the caller, who then owns it.
//
// Differences from MFC:
// - A metafile that is never closed is closed and deleted with the object, whatever its kind.
#pragma once
#include "DC.h"

class CMetaFileDC : public CDC
{
    DECLARE_DYNAMIC(CMetaFileDC)

  public:
    // Construction
    CMetaFileDC() = default;
    ~CMetaFileDC() override;
    BOOL Create(LPCTSTR lpszFilename = NULL);
    BOOL CreateEnhanced(CDC* pDCRef, LPCTSTR lpszFileName, LPCRECT lpBounds, LPCTSTR lpszDescription);

    // Operations
    HMETAFILE Close();
    HENHMETAFILE CloseEnhanced();

    // Overridables
    void SetAttribDC(HDC hDC) override
    {
        m_hAttribDC = hDC != NULL ? hDC : m_hDC;
    }

  protected:
    // Implementation
    BOOL m_bEnhanced = FALSE;
};
