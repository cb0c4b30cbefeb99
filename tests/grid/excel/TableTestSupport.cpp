// Helpers of the table tests.
#include "TableTestSupport.h"

CGXExcelFontTable& Fonts()
{
    return *dynamic_cast<CGXExcelFontTable*>(GXExFindTable(0x31));
}

CGXExcelColorTable& Colors()
{
    return *dynamic_cast<CGXExcelColorTable*>(GXExFindTable(0x92));
}

CGXExcelXFTable& XFs()
{
    return *dynamic_cast<CGXExcelXFTable*>(GXExFindTable(0xE0));
}

CGXExcelStyleTable& Styles()
{
    return *dynamic_cast<CGXExcelStyleTable*>(GXExFindTable(0x293));
}

void ReadRecords(CGXExcelTable& table, const Bytes& bytes)
{
    TestStream s(bytes);
    while (StreamPos(s) + 4 <= bytes.size())
    {
        size_t nAt = (size_t)StreamPos(s);
        DWORD nLength = bytes[nAt + 2] | (bytes[nAt + 3] << 8);
        LARGE_INTEGER body;
        body.QuadPart = (LONGLONG)nAt + 4;
        s->Seek(body, STREAM_SEEK_SET, NULL);
        GXExSetReadCount(0);
        GXExSetReadLimit(nLength);
        table.SetRecordLength(nLength);
        table.ReadRecord(s, 0);
        GXExSetReadLimit(0xFFFFFFFF);
        body.QuadPart = (LONGLONG)(nAt + 4 + nLength);
        s->Seek(body, STREAM_SEEK_SET, NULL);
    }
}

Sheet::Sheet(const CGXStyle* pPlainStandard)
{
    pStyles = new CGXStylesMap;
    if (pPlainStandard != NULL)
        pStyles->m_wStyleStandard = pStyles->RegisterStyle("Standard", *pPlainStandard);
    else
        pStyles->CreateStandardStyles();
    param.SetStylesMapObject(pStyles);
    pData = new CGXData;
    param.SetDataObject(pData);
}

CGXStyle& Sheet::Standard()
{
    CGXStyle* p = NULL;
    pStyles->LookupStyle(pStyles->m_wStyleStandard, p);
    return *p;
}
