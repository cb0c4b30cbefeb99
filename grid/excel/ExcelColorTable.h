// CGXExcelColorTable: the PALETTE record of a workbook (type 0x92). Reading keeps the record's
// colours, through which font and XF colour indexes become colours; writing numbers the colours
// that FONT and XF records refer to and writes the palette.
#pragma once
#include "ExcelBaseTable.h"
#include "grid/core/Style.h"
#include <map>
#include <vector>

// One PALETTE record: its colours as red, green, blue, reserved.
struct colorStruct
{
    WORD nCount = 0;
    std::vector<BYTE> entries; // 4 bytes per colour
};

// Record type of PALETTE.
const WORD GX_EXCEL_PALETTE = 0x92;
// Number of palette entries (colour indexes 8-63).
const int GX_EXCEL_PALETTE_SIZE = 56;

class CGXExcelColorTable : public CGXExcelBaseTable<colorStruct, CGXStyle>
{
    DECLARE_DYNCREATE(CGXExcelColorTable)

  public:
    // Write modes.
    enum
    {
        modeSeedDefaults = 1, // the colour-index map starts with the default palette
        modeWriteRecord = 2   // the PALETTE record is written
    };

    // Construction
    CGXExcelColorTable() = default;

    // The default palette, entry by entry.
    static COLORREF GetDefaultColor(int nEntry);
    // The colour of a BIFF colour index (8 or more: palette entry index - 8) through the
    // application's palette table, the default palette when there is none.
    static COLORREF ColorOfIndex(DWORD nIndex, COLORREF crDefault);

    // Overridables
    BOOL ReadRecord(IStream* pStream, DWORD nKey) override;
    BOOL WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets) override;
    // Also forgets the colour indexes given while writing.
    void ResetTable() override;
    // Colours reach styles only through GetColor.
    BOOL ApplyToStyle(DWORD nIndex, CGXStyle*& pStyle) override;
    // The colour of a palette entry (0-55): from the record read, else the default palette. For
    // 56 and above the default colour, or the system window colour when that is -1.
    virtual COLORREF GetColor(DWORD nEntry, COLORREF crDefault);
    // Gives the colours of the array's styles indexes (next free index in rnNext).
    virtual void CollectStyleColors(const CPtrArray& styles, int& rnNext);
    virtual void CollectColorsOfStyle(const CGXStyle& style, int& rnNext);

    // Operations
    // The BIFF colour index of a colour: entry 0 gives 0, entry k gives k + 8. A colour that is
    // not in the map takes the nearest one (RGB distance); -1 when the map is empty.
    int FindColorIndex(COLORREF cr) const;
    void AddColor(COLORREF cr, int& rnNext);
    void SetWriteMode(DWORD nMode)
    {
        m_nWriteMode = nMode;
    }
    DWORD GetWriteMode() const
    {
        return m_nWriteMode;
    }

  private:
    std::map<COLORREF, int> m_colorIndex; // colour -> palette entry
    DWORD m_nWriteMode = modeSeedDefaults | modeWriteRecord;
};
