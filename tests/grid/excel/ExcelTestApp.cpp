// The test application and its byte helpers.
#include "ExcelTestApp.h"
#include "mfc/WinApp.h"
#include "grid/excel/ExcelColorTable.h"
#include "grid/excel/ExcelFontTable.h"
#include "grid/excel/ExcelStyleTable.h"
#include "grid/excel/ExcelXFTable.h"
#include <gtest/gtest.h>

namespace
{
// Record types and their classes as the application registers them.
struct Registration
{
    WORD nType;
    CRuntimeClass* pClass;
};

const Registration kHandlers[] = {
    {0, NULL},
};

const Registration kTables[] = {
    {0x31, RUNTIME_CLASS(CGXExcelFontTable)},
    {0x92, RUNTIME_CLASS(CGXExcelColorTable)},
    {0xE0, RUNTIME_CLASS(CGXExcelXFTable)},
    {0x293, RUNTIME_CLASS(CGXExcelStyleTable)},
};

class CExcelTestApp : public CWinApp, public CGXExMapHolder
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
};
CExcelTestApp theApp;
} // namespace

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
