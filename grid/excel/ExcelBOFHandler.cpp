#include "ExcelBOFHandler.h"
#include "ExcelHandlerSupport.h"

IMPLEMENT_DYNCREATE(CGXExcelBOFHandler, CGXExcelHandler)

namespace
{
const WORD BIFF8_VERSION = 0x600;
const WORD TYPE_GLOBALS = 5;
const WORD TYPE_WORKSHEET = 0x10;
const WORD BUILD = 0xDBB;
const WORD YEAR = 0x7CC;
const DWORD HISTORY = 1;
} // namespace

BOOL CGXExcelBOFHandler::ReadRecord(IStream* pStream, gxexpointer, DWORD)
{
    CGXExcelFieldDesc fields[3];
    fields[0].SetWord(&m_nVersion);
    fields[1].SetWord(&m_nType);
    fields[2].SetBuffer(NULL, 4, TRUE); // build and year
    ReadFieldList(pStream, fields, 3);
    return TRUE;
}

BOOL CGXExcelBOFHandler::WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD)
{
    CGXExRecord record(GX_EXCEL_BOF);
    record.AddWord(BIFF8_VERSION).AddWord(target.m_nKind != 0 ? TYPE_WORKSHEET : TYPE_GLOBALS);
    record.AddWord(BUILD).AddWord(YEAR).AddDWord(HISTORY).AddDWord(BIFF8_VERSION);
    record.Write(pStream, pTotal);
    return TRUE;
}

void CGXExcelBOFHandler::ResetRecord()
{
}
