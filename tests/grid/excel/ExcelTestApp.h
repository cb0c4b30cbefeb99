// The application object of the workbook tests: a map holder whose maps know the handlers and
// tables of the library, and helpers for record bytes in memory streams.
#pragma once
#include "grid/excel/AppAdapter.h"
#include "grid/excel/ExMapHolder.h"
#include <objbase.h>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

// What the test application, a workbook application, hands out: the manager of every grid
// document and one template for every sheet; it notes the classes it was asked for.
struct TestWorkbookHooks
{
    CGXWorkbookManager* pManager = NULL;
    CDocTemplate* pTemplate = NULL;
    std::vector<std::pair<CRuntimeClass*, CRuntimeClass*>> asked;
};
TestWorkbookHooks& TestWorkbooks();

// Bytes from hexadecimal text; spaces are ignored.
Bytes HexBytes(const char* pszHex);
// A memory stream holding the bytes, positioned at its start.
IStream* StreamOf(const Bytes& bytes);
// Owns a stream for a test's lifetime.
struct TestStream
{
    IStream* p;
    explicit TestStream(const Bytes& bytes = Bytes()) : p(StreamOf(bytes))
    {
    }
    ~TestStream()
    {
        p->Release();
    }
    TestStream(const TestStream&) = delete;
    TestStream& operator=(const TestStream&) = delete;
    IStream* operator->() const
    {
        return p;
    }
    operator IStream*() const
    {
        return p;
    }
};
// Everything the stream holds, whatever its position.
Bytes StreamBytes(IStream* pStream);
// The bytes of the "Workbook" stream of a workbook file; none when it cannot be opened.
Bytes WorkbookStream(const std::string& strPath);
// The stream's current position.
ULONGLONG StreamPos(IStream* pStream);
// A record: type and length words, then the body.
Bytes Record(WORD nType, const Bytes& body);
Bytes operator+(Bytes a, const Bytes& b);
// Hexadecimal text of bytes, a space after every nGroup bytes (for readable failures).
std::string HexOf(const Bytes& bytes, size_t nGroup = 4);
