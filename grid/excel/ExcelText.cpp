#include "ExcelText.h"
#include "GridIds.h"

BOOL GXExWideToAnsi(const WORD* pText, DWORD nChars, CString& strText)
{
    if (nChars == 0)
    {
        strText.Empty();
        return TRUE;
    }
    // Plain ASCII is the same in every ANSI code page: copied without the conversion calls.
    // Either way the text ends at its first NUL.
    DWORD nAscii = 0;
    while (nAscii < nChars && pText[nAscii] != 0 && pText[nAscii] < 0x80)
        nAscii++;
    if (nAscii == nChars || pText[nAscii] == 0)
    {
        LPSTR p = strText.GetBufferSetLength((int)nAscii);
        for (DWORD i = 0; i < nAscii; i++)
            p[i] = (char)pText[i];
        return TRUE;
    }
    const WCHAR* pWide = reinterpret_cast<const WCHAR*>(pText);
    int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pWide, (int)nChars, NULL, 0, NULL, NULL);
    if (nBytes <= 0)
        return FALSE;
    std::vector<char> buf(nBytes + 1, 0);
    nBytes = ::WideCharToMultiByte(CP_ACP, 0, pWide, (int)nChars, buf.data(), nBytes, NULL, NULL);
    if (nBytes <= 0)
        return FALSE;
    buf[nBytes] = 0;
    strText = buf.data();
    return TRUE;
}

std::vector<WORD> GXExAnsiToWide(LPCSTR pszText)
{
    std::vector<WORD> text;
    if (pszText == NULL || *pszText == 0)
        return text;
    int nChars = ::MultiByteToWideChar(CP_ACP, 0, pszText, -1, NULL, 0);
    if (nChars <= 1)
        return text;
    std::vector<WCHAR> wide(nChars);
    nChars = ::MultiByteToWideChar(CP_ACP, 0, pszText, -1, wide.data(), nChars);
    for (int i = 0; i + 1 < nChars; i++)
        text.push_back((WORD)wide[i]);
    return text;
}

CString GXExDefaultSheetName(DWORD nNumber)
{
    CString strFormat, strName;
    strFormat.LoadString(GX_IDS_SHEETNAME_FMT);
    strName.Format(strFormat, (unsigned)nNumber);
    return strName;
}
