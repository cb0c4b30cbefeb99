// The test application and its byte helpers.
#include "ExcelTestApp.h"
#include "mfc/WinApp.h"
#include "grid/excel/ExcelColorTable.h"
#include "grid/excel/ExcelFontTable.h"
#include "grid/excel/ExcelStyleTable.h"
#include "grid/excel/ExcelXFTable.h"
#include "grid/excel/ExcelBOFHandler.h"
#include "grid/excel/ExcelBlankHandler.h"
#include "grid/excel/ExcelBoundSheetTable.h"
#include "grid/excel/ExcelColInfoHandler.h"
#include "grid/excel/ExcelDimensionHandler.h"
#include "grid/excel/ExcelFormatTable.h"
#include "grid/excel/ExcelFormulaHandler.h"
#include "grid/excel/ExcelLabelHandler.h"
#include "grid/excel/ExcelLabelSSTHandler.h"
#include "grid/excel/ExcelMergedCellsHandler.h"
#include "grid/excel/ExcelMulBlankHandler.h"
#include "grid/excel/ExcelMulRkHandler.h"
#include "grid/excel/ExcelNumberHandler.h"
#include "grid/excel/ExcelRkHandler.h"
#include "grid/excel/ExcelRowHandler.h"
#include "grid/excel/ExcelSSTTable.h"
#include "grid/excel/ExcelWindow2Handler.h"
#include <gtest/gtest.h>

namespace
{
// Record types and their classes as the application registers them.
struct Registration
{
    WORD nType;
    CRuntimeClass* pClass;
};

// clang-format off
const Registration kHandlers[] = {
    {0x204, RUNTIME_CLASS(CGXExcelLabelHandler)},
    {0x203, RUNTIME_CLASS(CGXExcelNumberHandler)},
    {0x27E, RUNTIME_CLASS(CGXExcelRkHandler)},
    {0xBD, RUNTIME_CLASS(CGXExcelMulRkHandler)},
    {0x7D, RUNTIME_CLASS(CGXExcelColInfoHandler)},
    {0x208, RUNTIME_CLASS(CGXExcelRowHandler)},
    {0x809, RUNTIME_CLASS(CGXExcelBOFHandler)},
    {0x201, RUNTIME_CLASS(CGXExcelBlankHandler)},
    {0xBE, RUNTIME_CLASS(CGXExcelMulBlankHandler)},
    {0xFD, RUNTIME_CLASS(CGXExcelLabelSSTHandler)},
    {0x200, RUNTIME_CLASS(CGXExcelDimensionHandler)},
    {0x23E, RUNTIME_CLASS(CGXExcelWindow2Handler)},
    {0xE5, RUNTIME_CLASS(CGXExcelMergedCellsHandler)},
    {0x06, RUNTIME_CLASS(CGXExcelFormulaHandler)},
};
// clang-format on

// clang-format off
const Registration kTables[] = {
    {0x31, RUNTIME_CLASS(CGXExcelFontTable)},
    {0x92, RUNTIME_CLASS(CGXExcelColorTable)},
    {0xE0, RUNTIME_CLASS(CGXExcelXFTable)},
    {0x293, RUNTIME_CLASS(CGXExcelStyleTable)},
    {0x41E, RUNTIME_CLASS(CGXExcelFormatTable)},
    {0xFC, RUNTIME_CLASS(CGXExcelSSTTable)},
    {0x85, RUNTIME_CLASS(CGXExcelBoundSheetTable)},
    {0x4BC, RUNTIME_CLASS(CGXExcelSharedFormulaTable)},
};
// clang-format on

class CExcelTestApp : public CWinApp, public CGXExMapHolder, public CGXAppAdapter
{
  public:
    CExcelTestApp() : CWinApp(_T("HelvonGridExcelTest"))
    {
        for (const Registration& r : kHandlers)
            if (r.pClass != NULL)
                GetHandlerMap()->Register(r.nType, r.pClass);
        for (const Registration& r : kTables)
            if (r.pClass != NULL)
                GetTableMap()->Register(r.nType, r.pClass);
    }
    CGXWorkbookManager* GetWorkbookManager(void*, CGXDocument*) override
    {
        return TestWorkbooks().pManager;
    }
    CDocTemplate* GetDocTemplate(CRuntimeClass* pViewClass, CRuntimeClass* pDocClass) override
    {
        TestWorkbooks().asked.push_back({pViewClass, pDocClass});
        return TestWorkbooks().pTemplate;
    }
};
CExcelTestApp theApp;
} // namespace

TestWorkbookHooks& TestWorkbooks()
{
    static TestWorkbookHooks s_hooks;
    return s_hooks;
}

Bytes HexBytes(const char* pszHex)
{
    Bytes bytes;
    int nHigh = -1;
    for (const char* p = pszHex; *p != 0; p++)
    {
        int n;
        if (*p >= '0' && *p <= '9')
            n = *p - '0';
        else if (*p >= 'a' && *p <= 'f')
            n = *p - 'a' + 10;
        else if (*p >= 'A' && *p <= 'F')
            n = *p - 'A' + 10;
        else
            continue;
        if (nHigh < 0)
            nHigh = n;
        else
        {
            bytes.push_back((BYTE)(nHigh * 16 + n));
            nHigh = -1;
        }
    }
    return bytes;
}

IStream* StreamOf(const Bytes& bytes)
{
    IStream* pStream = NULL;
    EXPECT_EQ(S_OK, ::CreateStreamOnHGlobal(NULL, TRUE, &pStream));
    ULONG nWritten = 0;
    if (!bytes.empty())
        pStream->Write(bytes.data(), (ULONG)bytes.size(), &nWritten);
    LARGE_INTEGER zero = {};
    pStream->Seek(zero, STREAM_SEEK_SET, NULL);
    return pStream;
}

ULONGLONG StreamPos(IStream* pStream)
{
    LARGE_INTEGER zero = {};
    ULARGE_INTEGER pos = {};
    pStream->Seek(zero, STREAM_SEEK_CUR, &pos);
    return pos.QuadPart;
}

Bytes StreamBytes(IStream* pStream)
{
    STATSTG stat = {};
    pStream->Stat(&stat, STATFLAG_NONAME);
    ULONGLONG nPos = StreamPos(pStream);
    LARGE_INTEGER zero = {};
    pStream->Seek(zero, STREAM_SEEK_SET, NULL);
    Bytes bytes((size_t)stat.cbSize.QuadPart);
    ULONG nRead = 0;
    if (!bytes.empty())
        pStream->Read(bytes.data(), (ULONG)bytes.size(), &nRead);
    LARGE_INTEGER back;
    back.QuadPart = (LONGLONG)nPos;
    pStream->Seek(back, STREAM_SEEK_SET, NULL);
    return bytes;
}

Bytes WorkbookStream(const std::string& strPath)
{
    std::wstring wide(strPath.begin(), strPath.end());
    IStorage* pStorage = NULL;
    Bytes bytes;
    if (FAILED(::StgOpenStorage(wide.c_str(), NULL, STGM_READ | STGM_SHARE_DENY_WRITE, NULL, 0, &pStorage)))
        return bytes;
    IStream* pStream = NULL;
    if (SUCCEEDED(pStorage->OpenStream(L"Workbook", NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream)))
    {
        bytes = StreamBytes(pStream);
        pStream->Release();
    }
    pStorage->Release();
    return bytes;
}

Bytes Record(WORD nType, const Bytes& body)
{
    Bytes r = {(BYTE)(nType & 0xFF), (BYTE)(nType >> 8), (BYTE)(body.size() & 0xFF),
               (BYTE)(body.size() >> 8)};
    r.insert(r.end(), body.begin(), body.end());
    return r;
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string HexOf(const Bytes& bytes, size_t nGroup)
{
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (size_t i = 0; i < bytes.size(); i++)
    {
        if (i > 0 && i % nGroup == 0)
            s += ' ';
        s += digits[bytes[i] >> 4];
        s += digits[bytes[i] & 15];
    }
    return s;
}
