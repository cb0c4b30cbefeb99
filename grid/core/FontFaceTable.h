// Process-wide table of font faces: gives each face name a 10-bit index so that a font
// description fits in two words, and keeps the shared LOGFONT records of all fonts.
// Built once from the display's fonts; lives until the process ends.
#pragma once
#include "grid/core/MapFontData.h"
#include <vector>

// One face: a plain face name or a "face (script)" variant.
struct GXFaceEntry
{
    char szName[LF_FACESIZE * 2 + 4];
    BYTE nBaseNameLength; // length of the face part of a script variant, 0 for a plain name
    BYTE nPitchAndFamily;
    BYTE nCharSet;
    DWORD dwIndexAndFlags; // bits 0-9 face index (1023 = none yet), 10-12 font type,
                           // bit 13 enumerated, bit 14 plain face name
};

#define GX_FACE_NONE 1023

class CGXFontFaceTable
{
  public:
    // Construction
    CGXFontFaceTable();
    ~CGXFontFaceTable();
    CGXFontFaceTable(const CGXFontFaceTable&) = delete;
    CGXFontFaceTable& operator=(const CGXFontFaceTable&) = delete;

    // Operations
    // The face index of a name, adding the name when unknown; 1023 when empty or the table is full.
    UINT FindOrAdd(LPCTSTR pszName, BYTE nPitchAndFamily, BYTE nCharSet);
    const GXFaceEntry* GetEntry(UINT nIndex) const;
    BYTE GetCharSet(UINT nIndex) const;
    // Script name that the enumeration reported for a character set ("" when none).
    LPCTSTR GetScriptName(BYTE nCharSet) const
    {
        return m_aszScripts[nCharSet];
    }
    int GetVertResolution() const
    {
        return m_nLogPixelsY;
    }
    int GetHorzResolution() const
    {
        return m_nLogPixelsX;
    }
    INT_PTR GetEnumeratedCount() const
    {
        return (INT_PTR)m_enumerated.size();
    }

    // Implementation
    CGXMapFontData m_mapFontData; // shared LOGFONT records

  private:
    static int CALLBACK EnumProc(const LOGFONT* plf, const TEXTMETRIC* ptm, DWORD dwType, LPARAM lParam);
    // The plain enumeration, used when the extended one finds nothing.
    static int CALLBACK PlainEnumProc(const LOGFONT* plf, const TEXTMETRIC*, DWORD dwType, LPARAM lParam);
    GXFaceEntry* Find(LPCTSTR pszName);

    int m_nLogPixelsY = 96;
    int m_nLogPixelsX = 96;
    std::vector<GXFaceEntry> m_enumerated; // sorted by name
    std::vector<GXFaceEntry*> m_added;     // owned, sorted by name
    GXFaceEntry* m_apIndex[GX_FACE_NONE] = {};
    UINT m_nAssigned = 0;
    char m_aszScripts[256][32] = {};
    CString m_strLastFace; // during enumeration
};

// The face table, built on first use.
CGXFontFaceTable* AFXAPI GXGetFontFaceTable();
