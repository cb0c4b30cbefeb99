// CGXExcelXFTable: the XF records of a workbook (type 0xE0). Reading keeps them and turns one
// into style attributes (font, number format, alignment, rotation, interior, borders, base
// style); writing gives XF numbers to the Standard style, the base styles and every sheet's
// cell, row and column styles, sharing one XF among cells of identical formatting.
#pragma once
#include "ExcelBaseTable.h"
#include "ExStyleIDMap.h"
#include "XFArray.h"
#include "grid/core/Style.h"
#include <memory>
#include <vector>

class CGXStylesMap;

// One XF record as read.
struct XFStruct
{
    WORD nFont = 0;
    WORD nFormat = 0;
    WORD nTypeParent = 0; // bit 2 style XF, bits 4-15 parent XF
    BYTE nAlign = 0;      // bits 0-2 horizontal, 3 wrap, 4-6 vertical
    BYTE nRotation = 0;
    BYTE nIndent = 0;
    BYTE nUsed = 0;       // bits 2-7: the used-attribute bits 10-15
    WORD nLineStyles = 0; // left, right, top, bottom, 4 bits each
    WORD nSideColors = 0; // bits 0-6 left, 7-13 right
    DWORD nTopBottom = 0; // bits 0-6 top, 7-13 bottom, 26-31 fill pattern
    WORD nFillColors = 0; // bits 0-6 foreground, 7-13 background
};

// Record type of XF.
const WORD GX_EXCEL_XF = 0xE0;

class CGXExcelXFTable : public CGXExcelBaseTable<XFStruct, CGXStyle>
{
    DECLARE_DYNCREATE(CGXExcelXFTable)

  public:
    // Construction
    CGXExcelXFTable();
    ~CGXExcelXFTable() override;

    // Overridables
    BOOL ReadRecord(IStream* pStream, DWORD nKey) override;
    BOOL WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets) override;
    void ResetTable() override;
    BOOL ApplyToStyle(DWORD nIndex, CGXStyle*& pStyle) override;
    // From a BIFF fill pattern to a grid pattern (bFromBiff) or back (0 when there is none).
    virtual UINT MapPattern(UINT nValue, BOOL bFromBiff);
    // The 20-byte body of a style XF (bStyleXF) or cell XF of a style that is completed here
    // with its base styles and the Standard style; nDiscriminator keys its font.
    virtual void BuildXF(const CGXStyle& style, BYTE* pBody, BOOL bStyleXF, const CGXStylesMap* pStylesMap,
                         DWORD nDiscriminator);
    virtual void BuildStyleXF(const CGXStyle& style, BYTE* pBody, const CGXStylesMap* pStylesMap);
    virtual void BuildCellXF(const CGXStyle& style, BYTE* pBody, const CGXStylesMap* pStylesMap,
                             DWORD nDiscriminator);
    // Sets the pen's style and width for a BIFF line style.
    virtual void MapLineStyle(UINT nLineStyle, CGXCellPen& pen);

    // Operations
    void SetCurrentCell(DWORD nCol, DWORD nRow)
    {
        m_nCurrentCol = nCol;
        m_nCurrentRow = nRow;
    }
    DWORD GetCurrentCol() const
    {
        return m_nCurrentCol;
    }
    DWORD GetCurrentRow() const
    {
        return m_nCurrentRow;
    }
    void SetGridOrdinal(DWORD n)
    {
        m_nGridOrdinal = n;
    }
    DWORD GetGridOrdinal() const
    {
        return m_nGridOrdinal;
    }
    // The XF numbers written for a sheet, made on first use.
    CGXXFArray* GetXFArray(DWORD nGridOrdinal);
    // The BIFF line style of a pen (0 for none).
    UINT PenToLineStyle(const CGXCellPen& pen) const;
    // Base-style id to the XF number written for it.
    CGXExStyleIDMap& GetStyleIDMap()
    {
        return m_styleIDs;
    }

    // Rotation: BIFF8 keeps 0-90 degrees counter-clockwise and 91-180 as 1-90 clockwise;
    // the grid keeps tenths of a degree counter-clockwise.
    static BYTE RotationToBiff(LONG nTenths);
    static LONG RotationFromBiff(BYTE nRotation);

  private:
    // Writes the cell XF of a style (row 0: a column style, column 0: a row style) unless an
    // identical one above 16 exists, and records its number for the cell.
    void WriteCellXF(IStream* pStream, DWORD* pTotal, const CGXStyle& style, ROWCOL nRow, ROWCOL nCol,
                     DWORD& rnNextXF, const CGXStylesMap* pStylesMap, DWORD nDiscriminator);
    void FillXF(const CGXStyle& style, const CGXStyle& completed, BYTE* pBody, BOOL bStyleXF,
                DWORD nDiscriminator);
    void NewXFArrays();

    CGXExStyleIDMap m_styleIDs;
    DWORD m_patterns[18];
    DWORD m_nCurrentCol = 0xFFFF;
    DWORD m_nCurrentRow = 0xFFFF;
    DWORD m_nGridOrdinal = 0;
    CGXNodeManagerNor<CGXXFArray>* m_pXFArrays = NULL;
    // The attributes each XF record gave an empty style, kept while the table is read: a
    // workbook's cells share few XF records.
    struct Applied
    {
        std::unique_ptr<CGXStyle> pStyle;
        BOOL bResult = FALSE;
    };
    std::vector<Applied> m_applied;
    BOOL ApplyRecord(const XFStruct& x, CGXStyle* pStyle);
};
