// The face table: enumeration of the display's fonts, face indexes and script names.
#include "grid/core/FontFaceTable.h"
#include <algorithm>
#include <mbstring.h>
#include <stdio.h>

namespace
{
const DWORD kEnumerated = 1u << 13;
const DWORD kPlainName = 1u << 14;
const size_t kMaxEntries = 256 * 256; // 256 blocks of 256

bool NameLess(const GXFaceEntry& a, const GXFaceEntry& b)
{
    return _mbscmp((const unsigned char*)a.szName, (const unsigned char*)b.szName) < 0;
}

void InitEntry(GXFaceEntry& e, LPCTSTR pszName, BYTE nPitchAndFamily, BYTE nCharSet, DWORD dwFlags)
{
    memset(&e, 0, sizeof(e));
    lstrcpynA(e.szName, pszName, sizeof(e.szName));
    e.nPitchAndFamily = nPitchAndFamily;
    e.nCharSet = nCharSet;
    e.dwIndexAndFlags = GX_FACE_NONE | dwFlags;
}
} // namespace

CGXFontFaceTable::CGXFontFaceTable()
{
    m_mapFontData.InitHashTable(1001);
    HDC hdc = ::CreateICA("DISPLAY", NULL, NULL, NULL);
    if (hdc == NULL)
        return;
    LOGFONT lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(hdc, &lf, (FONTENUMPROCA)EnumProc, (LPARAM)this, 0);
    if (m_enumerated.empty())
        ::EnumFontFamiliesA(hdc, NULL, (FONTENUMPROCA)PlainEnumProc, (LPARAM)this);
    std::sort(m_enumerated.begin(), m_enumerated.end(), NameLess);
    m_nLogPixelsY = ::GetDeviceCaps(hdc, LOGPIXELSY);
    m_nLogPixelsX = ::GetDeviceCaps(hdc, LOGPIXELSX);
    ::DeleteDC(hdc);
    // Arial gets face index 0.
    FindOrAdd("Arial", 0, 0);
}

CGXFontFaceTable::~CGXFontFaceTable()
{
    for (GXFaceEntry* p : m_added)
        delete p;
}

int CALLBACK CGXFontFaceTable::PlainEnumProc(const LOGFONT* plf, const TEXTMETRIC*, DWORD dwType,
                                             LPARAM lParam)
{
    CGXFontFaceTable* pThis = reinterpret_cast<CGXFontFaceTable*>(lParam);
    if (pThis->m_enumerated.size() + 1 > kMaxEntries)
        return 0;
    GXFaceEntry e;
    InitEntry(e, plf->lfFaceName, plf->lfPitchAndFamily, plf->lfCharSet,
              ((dwType & 7) << 10) | kEnumerated | kPlainName);
    pThis->m_enumerated.push_back(e);
    return 1;
}

int CALLBACK CGXFontFaceTable::EnumProc(const LOGFONT* plf, const TEXTMETRIC*, DWORD dwType, LPARAM lParam)
{
    CGXFontFaceTable* pThis = reinterpret_cast<CGXFontFaceTable*>(lParam);
    const ENUMLOGFONTEXA* pelf = reinterpret_cast<const ENUMLOGFONTEXA*>(plf);
    if (pThis->m_enumerated.size() + 2 > kMaxEntries)
        return 0;
    DWORD dwType3 = (dwType & 7) << 10;
    GXFaceEntry e;
    if (pThis->m_strLastFace != plf->lfFaceName)
    {
        InitEntry(e, plf->lfFaceName, plf->lfPitchAndFamily, plf->lfCharSet,
                  dwType3 | kEnumerated | kPlainName);
        pThis->m_enumerated.push_back(e);
        pThis->m_strLastFace = plf->lfFaceName;
    }
    char szName[sizeof(e.szName)];
    _snprintf(szName, sizeof(szName) - 1, "%s (%s)", plf->lfFaceName, (const char*)pelf->elfScript);
    szName[sizeof(szName) - 1] = 0;
    InitEntry(e, szName, plf->lfPitchAndFamily, plf->lfCharSet, dwType3 | kEnumerated);
    e.nBaseNameLength = (BYTE)strlen(plf->lfFaceName);
    pThis->m_enumerated.push_back(e);
    lstrcpynA(pThis->m_aszScripts[plf->lfCharSet], (const char*)pelf->elfScript, 32);
    return 1;
}

GXFaceEntry* CGXFontFaceTable::Find(LPCTSTR pszName)
{
    GXFaceEntry key;
    InitEntry(key, pszName, 0, 0, 0);
    auto it = std::lower_bound(m_enumerated.begin(), m_enumerated.end(), key, NameLess);
    if (it != m_enumerated.end() && !NameLess(key, *it))
        return &*it;
    auto it2 = std::lower_bound(m_added.begin(), m_added.end(), &key,
                                [](const GXFaceEntry* a, const GXFaceEntry* b) { return NameLess(*a, *b); });
    if (it2 != m_added.end() && !NameLess(key, **it2))
        return *it2;
    return NULL;
}

UINT CGXFontFaceTable::FindOrAdd(LPCTSTR pszName, BYTE nPitchAndFamily, BYTE nCharSet)
{
    if (pszName == NULL || *pszName == 0)
        return GX_FACE_NONE;
    GXFaceEntry* p = Find(pszName);
    if (p == NULL)
    {
        if (m_nAssigned >= GX_FACE_NONE)
            return GX_FACE_NONE;
        p = new GXFaceEntry;
        InitEntry(*p, pszName, nPitchAndFamily, nCharSet, 0);
        auto it =
            std::upper_bound(m_added.begin(), m_added.end(), p,
                             [](const GXFaceEntry* a, const GXFaceEntry* b) { return NameLess(*a, *b); });
        m_added.insert(it, p);
    }
    UINT nIndex = p->dwIndexAndFlags & 0x3FF;
    if (nIndex == GX_FACE_NONE)
    {
        if (m_nAssigned >= GX_FACE_NONE)
            return GX_FACE_NONE;
        nIndex = m_nAssigned++;
        p->dwIndexAndFlags = (p->dwIndexAndFlags & ~0x3FFu) | nIndex;
        m_apIndex[nIndex] = p;
    }
    return nIndex;
}

const GXFaceEntry* CGXFontFaceTable::GetEntry(UINT nIndex) const
{
    return nIndex < m_nAssigned ? m_apIndex[nIndex] : NULL;
}

BYTE CGXFontFaceTable::GetCharSet(UINT nIndex) const
{
    const GXFaceEntry* p = GetEntry(nIndex);
    return p != NULL ? p->nCharSet : 0;
}

CGXFontFaceTable* AFXAPI GXGetFontFaceTable()
{
    // Never deleted: fonts in static objects still release their records at process exit.
    static CGXFontFaceTable* s_pTable = new CGXFontFaceTable;
    return s_pTable;
}
