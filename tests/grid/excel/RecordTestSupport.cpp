#include "RecordTestSupport.h"

int ReadIntoGrid(CGXGridCore* pGrid, const Bytes& bytes)
{
    TestStream stream(bytes);
    int nFailed = 0;
    for (ULONGLONG nPos = 0; nPos + 4 <= bytes.size();)
    {
        WORD nType = (WORD)(bytes[nPos] | (bytes[nPos + 1] << 8));
        DWORD nLength = bytes[nPos + 2] | (bytes[nPos + 3] << 8);
        LARGE_INTEGER body;
        body.QuadPart = (LONGLONG)nPos + 4;
        stream->Seek(body, STREAM_SEEK_SET, NULL);
        GXExSetReadCount(0);
        GXExSetReadLimit(nLength);
        GXExGetTableMap()->SetContext(pGrid);
        try
        {
            if (CGXExcelHandler* pHandler = GXExGetHandlerMap()->Lookup(nType))
            {
                pHandler->SetRecordLength(nLength);
                pHandler->ReadRecord(stream, CGXExcelHandler::gxexpointer(pGrid), nLength + 4);
            }
            else if (CGXExcelTable* pTable = GXExGetTableMap()->Lookup(nType))
            {
                pTable->SetRecordLength(nLength);
                pTable->ReadRecord(stream, nLength + 4);
            }
        }
        catch (READSEEKEXCEP* pEx)
        {
            GXExCatchReadSeek(pEx);
            nFailed++;
        }
        GXExSetReadLimit(0xFFFFFFFF);
        nPos += 4 + nLength;
    }
    return nFailed;
}

RecordGrid::RecordGrid(BOOL bFormulas) : GridWindowOf(400, 300), g(*grid)
{
    if (bFormulas)
        g.EnableFormulaEngine();
    g.OnGridInitialUpdate();
    g.GetParam()->SetUndoEnabled(FALSE);
    g.SetRowCount(20, GX_NOREDRAW);
    g.SetColCount(10, GX_NOREDRAW);
}

CGXStyle RecordGrid::StyleAt(ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    g.GetStyleRowCol(nRow, nCol, style, gxCopy, 0);
    return style;
}

CString RecordGrid::ValueAt(ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style = StyleAt(nRow, nCol);
    return style.GetInclude(CGXStyle::ibValue) ? style.GetValue() : CString("<none>");
}

void RecordTest::SetUp()
{
    TableTest::SetUp();
    GXExGetHandlerMap()->ResetAll();
    GXExSetClipboardMode(0);
}

void RecordTest::TearDown()
{
    GXExGetHandlerMap()->ResetAll();
    GXExSetReadLimit(0xFFFFFFFF);
    TableTest::TearDown();
}

Bytes FormatXF(WORD nFormat)
{
    // Cell XF, vertical alignment bottom, only the format's used bit set.
    Bytes body = HexBytes("0000 0000 0000 20 00 00 04 0000 0000 00000000 0000");
    body[2] = (BYTE)nFormat;
    body[3] = (BYTE)(nFormat >> 8);
    return Record(0xE0, body);
}
