// CGXExcelFontTable: the FONT records of a workbook (type 0x31). Reading keeps them in order and
// applies one to a style by index; writing numbers the fonts of the Standard style, the base
// styles and every sheet's stored styles (index 4 is never given) so that XF records can refer
// to them by font key.
#pragma once
#include "ExcelBaseTable.h"
#include "grid/core/Style.h"
#include <map>
#include <tuple>
#include <vector>

// One FONT record as read.
struct fontStruct
{
    WORD nHeight = 0; // twips
    WORD nOptions = 0;
    WORD nColor = 0;
    WORD nWeight = 0;
    WORD nEscapement = 0;
    BYTE nUnderline = 0;
    BYTE nFamily = 0;
    BYTE nCharSet = 0;
    BYTE nReserved = 0;
    BYTE nNameLength = 0; // characters
    BYTE nStringOption = 0;
    std::vector<WORD> name;
};

// What makes two written fonts the same: the font description, the text colour and who uses it
// (0xFFFF for base styles and formula-sheet cells, the sheet ordinal for the others).
struct CGXExcelFontIndex
{
    ULONGLONG nDescription;
    COLORREF crText;
    DWORD nDiscriminator;

    CGXExcelFontIndex(const CGXStyle& style, DWORD nDiscriminator);
    bool operator<(const CGXExcelFontIndex& o) const
    {
        return std::tie(nDescription, crText, nDiscriminator) <
               std::tie(o.nDescription, o.crText, o.nDiscriminator);
    }
};

// Record type of FONT.
const WORD GX_EXCEL_FONT = 0x31;
// Discriminator of the fonts of base styles and formula-sheet cells.
const DWORD GX_EXCEL_SHARED_FONT = 0xFFFF;

class CGXExcelFontTable : public CGXExcelBaseTable<fontStruct, CGXStyle>
{
    DECLARE_DYNCREATE(CGXExcelFontTable)

  public:
    // Size of the buffer a FONT record is built in.
    enum
    {
        recordBufferSize = 530
    };

    // Construction
    CGXExcelFontTable() = default;

    // Overridables
    BOOL ReadRecord(IStream* pStream, DWORD nKey) override;
    BOOL WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets) override;
    // Merges the font of entry nIndex (text colour included) into the style; FALSE when the
    // entry was not read.
    BOOL ApplyToStyle(DWORD nIndex, CGXStyle*& pStyle) override;
    // Builds the FONT record of the font in pBuffer (recordBufferSize bytes, zeroed); answers its
    // length with header, 0 for a font without face name.
    virtual DWORD BuildFontRecord(const CGXFont& font, BYTE* pBuffer, const CGXStyle& style);
    // Registers and writes the font of a completed style under the discriminator.
    virtual void CollectCellFont(IStream* pStream, DWORD* pTotal, const CGXStyle& style,
                                 DWORD nDiscriminator);

    // Operations
    // The font index written for the key, 0 when none was.
    UINT GetFontIndex(const CGXExcelFontIndex& key) const;
    void SetFontIndex(const CGXExcelFontIndex& key, UINT nIndex);
    BOOL HasFontIndex(const CGXExcelFontIndex& key) const;
    void ResetTable() override;

  private:
    // Writes the record of a completed style under the next font index unless its key has one.
    void WriteFontOnce(IStream* pStream, DWORD* pTotal, const CGXStyle& completed, DWORD nDiscriminator);
    void AdvanceIndex();

    std::map<CGXExcelFontIndex, UINT> m_fontIndex;
    UINT m_nNextIndex = 0;
};
