// Input mask data.
#include "grid/controls/MaskData.h"
#include <algorithm>
#include <mbctype.h>
#include <mbstring.h>

IMPLEMENT_DYNCREATE(CGXMaskData, CObject)

BOOL CGXMaskData::s_bDbcsEnabled = ::GetSystemMetrics(SM_DBCSENABLED) != 0;

namespace
{
// The characters of a text, a double-byte character being one.
std::vector<CString> SplitChars(LPCTSTR psz)
{
    std::vector<CString> chars;
    for (const TCHAR* p = psz != NULL ? psz : _T(""); *p != 0;)
    {
        int n = _ismbblead((unsigned char)p[0]) && p[1] != 0 ? 2 : 1;
        chars.push_back(CString(p, n));
        p += n;
    }
    return chars;
}

// The character's code for the run-time classification: lead byte * 256 + trail byte.
unsigned int CharCode(const CString& str)
{
    if (str.GetLength() >= 2)
        return (unsigned char)str[0] * 256u + (unsigned char)str[1];
    return str.IsEmpty() ? 0 : (unsigned char)str[0];
}

CString CodeChar(unsigned int nCode)
{
    TCHAR sz[3] = {0};
    if (nCode > 0xFF)
    {
        sz[0] = (TCHAR)(nCode >> 8);
        sz[1] = (TCHAR)(nCode & 0xFF);
    }
    else
        sz[0] = (TCHAR)nCode;
    return sz;
}
} // namespace

void CGXMaskData::Clear()
{
    m_aLiteral.clear();
    m_aMask.clear();
}

BOOL CGXMaskData::IsMaskChar(BYTE c)
{
    return c == '#' || c == '&' || c == '?' || c == 'A' || c == 'L' || c == 'U';
}

void CGXMaskData::ParseMask(LPCTSTR pszMask)
{
    Clear();
    if (pszMask == NULL || *pszMask == 0)
    {
        m_nMaxLength = 0x7FFFFFFF;
        return;
    }
    std::vector<CString> chars = SplitChars(pszMask);
    for (size_t i = 0; i < chars.size(); i++)
    {
        const CString& c = chars[i];
        if (c == _T("\\"))
        {
            // The escape takes no position; a trailing one escapes nothing.
            if (++i < chars.size())
            {
                m_aMask.push_back(chars[i]);
                m_aLiteral.push_back(1);
            }
            continue;
        }
        m_aMask.push_back(c);
        m_aLiteral.push_back(c.GetLength() == 1 && IsMaskChar((BYTE)c[0]) ? 0 : 1);
    }
}

BOOL CGXMaskData::IsMaskEmpty()
{
    return m_aMask.empty();
}

int CGXMaskData::GetLength()
{
    return (int)m_aData.size();
}

BOOL CGXMaskData::IsLiteral(int nPos)
{
    if (IsFreeText() || nPos < 0 || nPos >= (int)m_aLiteral.size())
        return FALSE;
    return m_aLiteral[nPos] != 0;
}

BOOL CGXMaskData::IsFilled(int nPos)
{
    return nPos >= 0 && nPos < GetLength() && !IsLiteral(nPos) && m_aData[nPos] != m_strPrompt;
}

void CGXMaskData::InitDisplay()
{
    m_aData.clear();
    if (IsFreeText())
        return;
    for (int i = 0; i < GetPositionCount(); i++)
        m_aData.push_back(m_aLiteral[i] ? m_aMask[i] : m_strPrompt);
}

void CGXMaskData::EnsureLayout()
{
    for (int i = GetLength(); !IsFreeText() && i < GetPositionCount(); i++)
        m_aData.push_back(m_aLiteral[i] ? m_aMask[i] : m_strPrompt);
}

int CGXMaskData::GetMaxLength()
{
    return m_nMaxLength;
}

int CGXMaskData::SetMaxLength(int nMaxLength)
{
    m_nMaxLength = nMaxLength;
    return m_nMaxLength;
}

BOOL CGXMaskData::SetPromptChar(LPCTSTR pszPrompt, BOOL bReplace)
{
    CString strPrompt = pszPrompt != NULL ? pszPrompt : _T("");
    if (strPrompt.GetLength() > 2 || (strPrompt.GetLength() == 2 && !_ismbblead((unsigned char)strPrompt[0])))
        return FALSE;
    if (strPrompt.IsEmpty())
        strPrompt = _T("_");
    if (bReplace)
        for (int i = 0; i < GetLength(); i++)
            if (!IsLiteral(i) && m_aData[i] == m_strPrompt)
                m_aData[i] = strPrompt;
    m_strPrompt = strPrompt;
    return TRUE;
}

BOOL CGXMaskData::IsValidChar(int nPos, CString& strChar)
{
    if (IsFreeText())
        return TRUE;
    if (nPos < 0 || nPos >= GetPositionCount() || m_aLiteral[nPos])
        return FALSE;
    if (strChar == _T(" "))
    {
        strChar = m_strPrompt;
        return TRUE;
    }
    if (strChar == m_strPrompt)
        return TRUE;
    unsigned int nCode = CharCode(strChar);
    switch (m_aMask[nPos][0])
    {
    case '#':
        return _ismbcdigit(nCode);
    case '&':
        return TRUE;
    case '?':
        return _ismbcalpha(nCode);
    case 'A':
        return _ismbcalnum(nCode);
    case 'L':
    case 'U':
        if (!_ismbcalpha(nCode))
            return FALSE;
        strChar = CodeChar(m_aMask[nPos][0] == 'L' ? _mbctolower(nCode) : _mbctoupper(nCode));
        return TRUE;
    default:
        return FALSE;
    }
}

int CGXMaskData::NextInputPos(int nPos)
{
    int nLimit = IsFreeText() ? m_nMaxLength : GetPositionCount();
    if (nLimit < 1 || nPos >= nLimit)
        return nPos;
    for (int i = nPos + 1; i < nLimit; i++)
        if (!IsLiteral(i))
            return i;
    return -1;
}

int CGXMaskData::PrevInputPos(int nPos)
{
    int nLimit = IsFreeText() ? GetLength() + 1 : GetPositionCount();
    if (nLimit < 1)
        return nPos;
    for (int i = std::min(nPos - 1, nLimit - 1); i >= 0; i--)
        if (!IsLiteral(i))
            return i;
    return -1;
}

int CGXMaskData::GetInputEnd(int nPos)
{
    if (IsFreeText())
        return std::min(nPos, GetLength());
    int nCount = GetPositionCount();
    if (nCount == 0)
        return 0;
    if (nPos >= nCount)
    {
        if (!IsLiteral(nCount - 1) && IsFilled(nCount - 1))
            return nPos;
        nPos = nCount - 1;
    }
    int nInput = IsLiteral(nPos) ? NextInputPos(nPos) : nPos;
    if (IsFilled(nInput))
        return nPos;
    for (int i = IsLiteral(nPos) ? PrevInputPos(nPos) : nPos; i >= 0; i = PrevInputPos(i))
        if (IsFilled(i))
            return i + 1;
    return NextInputPos(-1);
}

BOOL CGXMaskData::InsertAt(int nPos, const CString& strChar, int& nNewPos)
{
    if (IsFreeText())
    {
        if (GetLength() >= m_nMaxLength)
            return FALSE;
        nPos = std::max(0, std::min(nPos, GetLength()));
        m_aData.insert(m_aData.begin() + nPos, strChar);
        nNewPos = nPos + 1;
        return TRUE;
    }
    int nCount = GetPositionCount();
    if (nPos < 0 || nPos > nCount || NextInputPos(-1) < 0)
        return FALSE;
    EnsureLayout();
    int nLastInput = PrevInputPos(nCount);
    int nLastFilled = nLastInput;
    while (nLastFilled >= 0 && !IsFilled(nLastFilled))
        nLastFilled = PrevInputPos(nLastFilled);
    if (nLastFilled >= 0 && nLastFilled == nLastInput)
        return FALSE; // no room
    for (int i = nLastFilled; i >= nPos && i >= 0; i = PrevInputPos(i))
    {
        int nNext = NextInputPos(i);
        if (nNext >= 0 && nNext < nCount)
            m_aData[nNext] = m_aData[i];
    }
    if (nPos >= nCount)
        return FALSE;
    m_aData[nPos] = strChar;
    nNewPos = NextInputPos(nPos);
    if (nNewPos < 0)
        nNewPos = nPos + 1;
    return TRUE;
}

void CGXMaskData::DeleteRange(int nEnd, int nStart)
{
    if (IsFreeText())
    {
        nStart = std::max(0, nStart);
        nEnd = std::min(nEnd, GetLength());
        if (nStart < nEnd)
            m_aData.erase(m_aData.begin() + nStart, m_aData.begin() + nEnd);
        return;
    }
    int nCount = GetPositionCount();
    if (nEnd < 0 || nEnd > nCount || nStart < 0)
        return;
    EnsureLayout();
    int nTarget = IsLiteral(nStart) ? NextInputPos(nStart) : nStart;
    if (nTarget < 0 || nTarget > nEnd)
        return;
    int nSource = nEnd == nCount ? -1 : (IsLiteral(nEnd) ? NextInputPos(nEnd) : nEnd);
    while (nSource >= 0 && nSource < nCount && nTarget >= 0 && nTarget < nCount)
    {
        m_aData[nTarget] = m_aData[nSource];
        nTarget = NextInputPos(nTarget);
        nSource = NextInputPos(nSource);
    }
    while (nTarget >= 0 && nTarget < nCount)
    {
        m_aData[nTarget] = m_strPrompt;
        nTarget = NextInputPos(nTarget);
    }
}

void CGXMaskData::GetDisplayText(CString& strResult, int nFirst, int nLast)
{
    strResult.Empty();
    int nEnd = nLast < 0 || nLast >= GetLength() ? GetLength() - 1 : nLast;
    for (int i = std::max(0, nFirst); i <= nEnd; i++)
        strResult += m_aData[i];
}

void CGXMaskData::GetInputText(CString& strResult, int nFirst, int nLast, BOOL bTrim)
{
    if (IsFreeText())
    {
        GetDisplayText(strResult, nFirst, nLast);
        return;
    }
    strResult.Empty();
    int nEnd = nLast < 0 || nLast >= GetLength() ? GetLength() - 1 : nLast;
    for (int i = std::max(0, nFirst); i <= nEnd; i++)
        if (!IsLiteral(i))
            strResult += m_aData[i] == m_strPrompt ? CString(_T(" ")) : m_aData[i];
    if (bTrim)
        strResult.TrimRight(_T(' '));
}

int CGXMaskData::PutInputText(LPCTSTR pszText, int nStart, BOOL bInsert)
{
    if (IsFreeText())
        return PutDisplayText(pszText, nStart, bInsert);
    if (nStart == -1)
    {
        InitDisplay();
        nStart = 0;
    }
    int nCount = GetPositionCount();
    if (IsMaskEmpty() || nStart < 0 || nStart >= nCount)
        return -1;
    EnsureLayout();
    int nPos = IsLiteral(nStart) ? NextInputPos(nStart) : nStart;
    if (nPos < 0)
        return -1;
    for (CString strChar : SplitChars(pszText))
    {
        if (nPos >= nCount)
            break;
        if (IsLiteral(nPos))
        {
            nPos = NextInputPos(nPos);
            if (nPos < 0)
                return -1; // a character left over behind the last input position
        }
        if (!IsValidChar(nPos, strChar))
            break;
        if (bInsert)
        {
            int nNew;
            if (!InsertAt(nPos, strChar, nNew))
                break;
        }
        else
            m_aData[nPos] = strChar;
        nPos++;
    }
    return nPos;
}

int CGXMaskData::PutDisplayText(LPCTSTR pszText, int nStart, BOOL bInsert)
{
    if (nStart == -1)
    {
        InitDisplay();
        nStart = 0;
    }
    std::vector<CString> chars = SplitChars(pszText);
    BOOL bFree = IsFreeText();
    if (bFree && !bInsert)
        m_aData.resize(nStart + chars.size());
    else
        EnsureLayout();
    int nPos = nStart;
    for (CString strChar : chars)
    {
        if (!bFree && nPos >= GetPositionCount())
            break;
        if (IsLiteral(nPos))
        {
            if (strChar != m_aMask[nPos])
                return -1;
        }
        else
        {
            if (!IsValidChar(nPos, strChar))
                return -1;
            if (bInsert)
            {
                int nNew;
                if (!InsertAt(nPos, strChar, nNew))
                    return -1;
            }
            else
                m_aData[nPos] = strChar;
        }
        nPos++;
    }
    int nKeep = bFree ? m_nMaxLength : GetPositionCount();
    if (GetLength() > nKeep)
        m_aData.resize(nKeep);
    return nPos;
}

BOOL CGXMaskData::IsDataValid()
{
    if (IsFreeText())
        return GetLength() <= m_nMaxLength;
    for (int i = 0; i < GetLength(); i++)
    {
        if (i >= GetPositionCount())
            return FALSE;
        if (m_aLiteral[i])
        {
            if (m_aData[i] != m_aMask[i])
                return FALSE;
            continue;
        }
        CString strCopy = m_aData[i];
        if (!IsValidChar(i, strCopy))
            return FALSE;
    }
    return TRUE;
}

int CGXMaskData::PosToByteOffset(int nPos)
{
    if (!s_bDbcsEnabled || nPos == -1)
        return nPos;
    int nOffset = 0;
    for (int i = 0; i < nPos && i < GetLength(); i++)
        nOffset += m_aData[i].GetLength();
    return nOffset;
}

int CGXMaskData::ByteOffsetToPos(int nOffset)
{
    if (!s_bDbcsEnabled || nOffset == -1)
        return nOffset;
    int nPos = 0, nSum = 0;
    while (nPos < GetLength() && nSum < nOffset)
        nSum += m_aData[nPos++].GetLength();
    return nPos;
}
