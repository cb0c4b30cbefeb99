// CControlBarInfo: the saved state of one control bar or dock bar (where it is, whether it shows,
// which bars a dock bar holds). A CDockState owns its records.
//
// Differences from MFC:
// - Reading a profile stops at the first "Bar#%d" value that is missing, so a damaged "Bars"
//   count can neither hang the reader nor exhaust memory.
#pragma once
#include "Rect.h"
#include "PtrArray.h"

class CArchive;
class CControlBar;
class CDockState;

class CControlBarInfo
{
  public:
    // Construction
    CControlBarInfo();
    virtual ~CControlBarInfo() = default;
    CControlBarInfo(const CControlBarInfo&) = delete;
    CControlBarInfo& operator=(const CControlBarInfo&) = delete;

    // Operations
    // Writes section "<profile>-Bar<index>"; FALSE (nothing written) for a dock bar that shows
    // just what a new frame shows: docked, visible, at the default place, with at most one entry.
    BOOL SaveState(LPCTSTR lpszProfileName, int nIndex);
    // Reads the section; FALSE when it is missing or names no bar.
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState);
    void Serialize(CArchive& ar, CDockState* pDockState);

    // Attributes
    UINT m_nBarID;
    BOOL m_bVisible;
    BOOL m_bFloating;
    BOOL m_bHorz;
    BOOL m_bDockBar;
    CPoint m_pointPos;
    UINT m_nMRUWidth;
    BOOL m_bDocking;
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;
    CPtrArray m_arrBarID; // pointer-sized: bar id, placeholder id | 0x10000, or 0 for a row end
    CControlBar* m_pBar;  // filled while the state is taken or applied

    // Where the keyed values go: a profile section or a node of a state tree.
    struct KeyStore
    {
        virtual void WriteInt(LPCTSTR lpszKey, int nValue) = 0;
        virtual int ReadInt(LPCTSTR lpszKey, int nDefault) = 0;
        virtual BOOL ReadIntIfPresent(LPCTSTR lpszKey, int* pnValue) = 0;

      protected:
        ~KeyStore() = default;
    };

  protected:
    // A dock bar showing just what a new frame shows: the profile writer leaves it out.
    BOOL IsDefaultDockBar() const;
    // The values from "BarID" on, in profile order; values equal to what a reader takes for a
    // missing one are left out.
    void WriteKeys(KeyStore& store) const;
    // The values after "BarID"; "Bar#%d" entries that are missing end the list.
    void ReadKeys(KeyStore& store, CDockState* pDockState);
    // The archive's fields before the library's and the bar list that ends the record.
    void SerializeHead(CArchive& ar, CDockState* pDockState);
    void SerializeBarIDs(CArchive& ar);
};

// The profile's integer at lpszEntry, or FALSE when there is none (told apart from a stored value
// equal to a default by asking with two defaults).
BOOL AFXAPI AfxGetProfileIntIfPresent(LPCTSTR lpszSection, LPCTSTR lpszEntry, int* pnValue);
