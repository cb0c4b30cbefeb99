// One parsed input mask and the text typed against it: which positions are literals, what each
// position accepts, and the characters shown at each. With no mask (and free text allowed) it
// is a plain text buffer up to a maximum length. Every position holds one character of one or
// two bytes.
#pragma once
#include "afxwin.h"
#include <vector>

class CGXMaskData : public CObject
{
    DECLARE_DYNCREATE(CGXMaskData)

  public:
    CGXMaskData() = default;

    virtual void Clear();
    virtual void ParseMask(LPCTSTR pszMask);
    // The value: input positions first..last (inclusive; -1 to the end), a space for an empty one.
    virtual void GetInputText(CString& strResult, int nFirst = 0, int nLast = -1, BOOL bTrim = TRUE);
    virtual int PutInputText(LPCTSTR pszText, int nStart = -1, BOOL bInsert = FALSE);
    virtual void GetDisplayText(CString& strResult, int nFirst = 0, int nLast = -1);
    virtual int PutDisplayText(LPCTSTR pszText, int nStart = -1, BOOL bInsert = FALSE);
    virtual BOOL IsValidChar(int nPos, CString& strChar);
    virtual int NextInputPos(int nPos);
    virtual int PrevInputPos(int nPos);
    virtual int GetInputEnd(int nPos);
    virtual BOOL InsertAt(int nPos, const CString& strChar, int& nNewPos);
    virtual void DeleteRange(int nEnd, int nStart);
    virtual BOOL IsDataValid();
    virtual BOOL IsMaskEmpty();
    virtual int GetLength();
    virtual int PosToByteOffset(int nPos);
    virtual int ByteOffsetToPos(int nOffset);
    virtual void InitDisplay();
    virtual int GetMaxLength();
    virtual int SetMaxLength(int nMaxLength);
    virtual BOOL IsMaskChar(BYTE c);
    virtual BOOL IsLiteral(int nPos);

    BOOL SetPromptChar(LPCTSTR pszPrompt, BOOL bReplace = FALSE);
    const CString& GetPromptChar() const
    {
        return m_strPrompt;
    }
    int GetPositionCount() const
    {
        return (int)m_aMask.size();
    }

    // Whether the system uses double-byte characters (positions differ from byte offsets).
    static BOOL s_bDbcsEnabled;

    std::vector<CString> m_aMask;
    std::vector<BYTE> m_aLiteral;
    std::vector<CString> m_aData;
    CString m_strPrompt = _T("_");
    BOOL m_bFreeText = TRUE;
    int m_nMaxLength = 0x7FFFFFFF;

  private:
    BOOL IsFreeText()
    {
        return m_bFreeText && IsMaskEmpty();
    }
    BOOL IsFilled(int nPos);
    // Gives every position a data entry (its literal or the prompt) when some are missing.
    void EnsureLayout();
};
