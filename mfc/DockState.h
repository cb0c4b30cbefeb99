// CDockState: where every bar of a frame is, taken with CFrameWnd::GetDockState and applied with
// SetDockState; kept in the application profile or in an archive. Owns its bar records.
//
// Differences from MFC:
// - Reading the profile stops at the first missing "%s-Bar%d" section, so a damaged "Bars" count
//   cannot hang the reader or exhaust memory.
// - A saved screen size with a zero side leaves positions unscaled (MFC divides by it).
#pragma once
#include "Object.h"
#include "PtrArray.h"
#include "Rect.h"

class CControlBarInfo;

class CDockState : public CObject
{
    DECLARE_SERIAL(CDockState)

  public:
    // Construction
    CDockState();
    ~CDockState() override;
    CDockState(const CDockState&) = delete;
    CDockState& operator=(const CDockState&) = delete;

    // Attributes
    CPtrArray m_arrBarInfo; // CControlBarInfo*, owned
    DWORD GetVersion() const
    {
        return m_dwVersion;
    }
    static CSize PASCAL GetScreenSize();
    void SetScreenSize(CSize size);

    // Operations
    void LoadState(LPCTSTR lpszProfileName);
    void SaveState(LPCTSTR lpszProfileName);
    void Clear();
    void Serialize(CArchive& ar) override;
    // Positions saved on a screen of another size move in proportion.
    void ScalePoint(CPoint& pt) const;
    void ScaleRectPos(CRect& rect) const;

    // Implementation
    DWORD m_dwVersion;
    CSize m_sizeDevice;
    BOOL m_bScaling;
};
