// One key of the pop-up calculator: its label or bitmap, the characters and virtual key that
// press it, its place in the key grid and how it draws itself. Owned by the calculator.
#pragma once
#include "afxwin.h"

class CGXBCalcBtn : public CObject
{
  public:
    struct Look
    {
        HFONT hFont;
        HBITMAP* phBitmap; // the calculator's bitmap handle, reloaded with the system colours
        COLORREF crText;
        DWORD dwReserved;
    };
    enum
    {
        pressed = 1,
        newRow = 2
    };

    // Construction
    CGXBCalcBtn(int nId, LPCTSTR pszLabel, LPCTSTR pszKeys, int nVirtKey, int nWidth, BOOL bNewRow,
                const Look& look);

    // Overridables
    virtual void Draw(CDC* pDC);

    // Attributes
    int GetId() const
    {
        return m_nId;
    }
    BOOL IsPressed() const
    {
        return (m_nFlags & pressed) != 0;
    }
    void SetPressed(BOOL b)
    {
        m_nFlags = b ? (m_nFlags | pressed) : (m_nFlags & ~pressed);
    }
    BOOL StartsRow() const
    {
        return (m_nFlags & newRow) != 0;
    }
    // TRUE when the (lower-case) character is one of the key's characters.
    BOOL HasKey(const CString& strChar) const
    {
        return !strChar.IsEmpty() && m_strKeys.Find(strChar) >= 0;
    }

    // Implementation
    Look m_look;
    CString m_strLabel;
    CString m_strKeys;
    int m_nVirtKey;
    int m_nWidth; // in key units
    CRect m_rect;
    int m_nFlags;
    int m_nId;
};
