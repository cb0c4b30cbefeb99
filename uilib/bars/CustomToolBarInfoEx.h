// SECCustomToolBarInfoEx: the saved state of one custom toolbar beside the docking layer's record:
// its title and its buttons (command id, 0 for a separator, with the button's extra data). The
// bar's saved record owns it. The button list is written as 5-byte heads (id, length) each
// followed by the extra bytes; a list that does not read back whole is refused as a whole.
#pragma once
#include "afxwin.h"
#include "uilib/frames/docking/ControlBarInfoEx.h"
#include <vector>

// One saved button.
class SECBtnInfo
{
  public:
    SECBtnInfo(UINT nID = 0, const std::vector<BYTE>& extra = std::vector<BYTE>())
        : m_nID(nID), m_extra(extra)
    {
    }
    UINT m_nID;                // 0 for a separator
    std::vector<BYTE> m_extra; // at most 255 bytes
};

// The saved buttons in order; owns its records.
class SECBtnInfoArray : public CPtrArray
{
  public:
    SECBtnInfoArray() = default;
    ~SECBtnInfoArray() override;
    SECBtnInfoArray(const SECBtnInfoArray&) = delete;
    SECBtnInfoArray& operator=(const SECBtnInfoArray&) = delete;

    SECBtnInfo* GetInfo(INT_PTR i) const
    {
        return (SECBtnInfo*)GetAt(i);
    }
    void RemoveAllInfo();
    // Exchanges the records with other.
    void Swap(SECBtnInfoArray& other);

    // The byte form of the profile and the state tree.
    void ToBytes(std::vector<BYTE>& bytes) const;
    // Reads the byte form; FALSE (and nothing taken) when a record passes the end.
    BOOL FromBytes(const BYTE* pData, UINT nBytes);
};

class SECCustomToolBarInfoEx : public SECControlBarInfoEx
{
    DECLARE_DYNCREATE(SECCustomToolBarInfoEx)

  public:
    // Construction
    SECCustomToolBarInfoEx();
    ~SECCustomToolBarInfoEx() override;

    // Overrides
    // Loading throws CArchiveException when the data end before the count says; the record keeps
    // what it held then.
    void Serialize(CArchive& ar, SECDockState* pDockState) override;
    // The child node "ToolBarInfoEx" of the bar's node; FALSE when it is missing.
    BOOL LoadStateFromTree(SECPersistentTreeNode* pNode) override;
    void LoadStateFromProfile(LPCTSTR lpszSection, SECDockState* pDockState) override;
    void SaveStateToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode) override;
    void SaveStateToProfile(LPCTSTR lpszSection) override;

    // Attributes
    CString m_strTitle;
    SECBtnInfoArray m_btnInfo;
    // The button list was read whole (or filled from a bar): a bar restored from the record
    // takes it; otherwise the bar keeps its buttons.
    BOOL m_bButtonsValid;
};
