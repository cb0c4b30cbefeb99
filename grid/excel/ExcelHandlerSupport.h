// What the cell and sheet record handlers share: the XF style of a cell, setting a style on one
// cell, and the assembly of records to write.
#pragma once
#include "ExcelHandler.h"
#include "grid/core/Style.h"
#include <vector>

class CGXGridCore;
class CGXExcelXFTable;

// The XF table of the application's table map, or NULL.
CGXExcelXFTable* GXExGetXFTable();
// Applies XF record nXF to the style through the XF table; nothing without one.
void GXExApplyXF(WORD nXF, CGXStyle* pStyle);
// Gives the style a number read from a workbook as its value: the shortest text that reads back
// as exactly the same double (the style's own number text keeps only 13 digits).
void GXExSetNumberValue(CGXStyle* pStyle, double d);
// Sets the style on the cell of zero-based record row and column.
void GXExStoreCellStyle(CGXGridCore* pGrid, WORD nRow, WORD nCol, CGXStyle* pStyle);
// Stores a number with the cell's built style (given over, as above).
void GXExStoreNumberCell(CGXGridCore* pGrid, WORD nRow, WORD nCol, CGXStyle* pStyle, double d);
// The target of a write must be a grid (15) and there must be one (10).
CGXGridCore* GXExTargetGrid(const CGXExcelHandler::gxexpointer& target);

// A record being assembled little-endian: header first, the body length filled in by Write.
class CGXExRecord
{
  public:
    explicit CGXExRecord(WORD nType)
    {
        Reset(nType);
    }
    void Reset(WORD nType)
    {
        m_bytes.clear();
        AddWord(nType);
        AddWord(0);
    }
    CGXExRecord& AddByte(BYTE b)
    {
        m_bytes.push_back(b);
        return *this;
    }
    CGXExRecord& AddWord(WORD w)
    {
        m_bytes.push_back((BYTE)w);
        m_bytes.push_back((BYTE)(w >> 8));
        return *this;
    }
    CGXExRecord& AddDWord(DWORD d)
    {
        AddWord((WORD)d);
        return AddWord((WORD)(d >> 16));
    }
    CGXExRecord& AddDouble(double d);
    CGXExRecord& AddBytes(const void* p, size_t n)
    {
        const BYTE* b = static_cast<const BYTE*>(p);
        m_bytes.insert(m_bytes.end(), b, b + n);
        return *this;
    }
    size_t GetBodyLength() const
    {
        return m_bytes.size() - 4;
    }
    // Fills in the body length and writes the record with one Write (code 9 on failure).
    void Write(IStream* pStream, DWORD* pTotal);

  private:
    std::vector<BYTE> m_bytes;
};
