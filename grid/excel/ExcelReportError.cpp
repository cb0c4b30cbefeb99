#include "ExcelReportError.h"
#include "GridIds.h"
#include "mfc/MessageSink.h"

namespace
{
// Code, the code whose message it shows, and that message. The scan ends at code 20.
struct ErrorEntry
{
    int nCode;
    int nMapped;
    UINT nMessageId;
};

const int kEndOfTable = 20;

const ErrorEntry kErrors[] = {
    {1, 1, GX_IDS_EXCEL_UNKNOWN},        {2, 2, GX_IDS_EXCEL_USERCANCEL},
    {3, 3, GX_IDS_EXCEL_ACCESSDENIED},   {4, 4, GX_IDS_EXCEL_NOTEXCEL},
    {5, 5, GX_IDS_EXCEL_CREATEFILE},     {6, 6, GX_IDS_EXCEL_CREATESTREAM},
    {7, 19, GX_IDS_EXCEL_FATAL},         {8, 8, GX_IDS_EXCEL_NODATA},
    {9, 17, GX_IDS_EXCEL_WRITEUNKNOWN},  {10, 18, GX_IDS_EXCEL_BADDATA},
    {11, 18, GX_IDS_EXCEL_BADDATA},      {12, 18, GX_IDS_EXCEL_BADDATA},
    {13, 18, GX_IDS_EXCEL_BADDATA},      {14, 16, GX_IDS_EXCEL_READUNKNOWN},
    {15, 15, GX_IDS_EXCEL_BADWRITEDATA}, {16, 16, GX_IDS_EXCEL_READUNKNOWN},
    {17, 17, GX_IDS_EXCEL_WRITEUNKNOWN}, {18, 18, GX_IDS_EXCEL_BADDATA},
    {19, 19, GX_IDS_EXCEL_FATAL},        {kEndOfTable, 0, 0},
};

const ErrorEntry* Find(int nCode)
{
    for (const ErrorEntry& e : kErrors)
    {
        if (e.nCode == kEndOfTable)
            break;
        if (e.nCode == nCode)
            return &e;
    }
    return NULL;
}
} // namespace

UINT AFXAPI GXExcelErrorMessageId(int nCode)
{
    const ErrorEntry* pEntry = Find(nCode);
    const ErrorEntry* pMapped = pEntry != NULL ? Find(pEntry->nMapped) : NULL;
    return pMapped != NULL ? pMapped->nMessageId : GX_IDS_EXCEL_UNKNOWN;
}

void AFXAPI GXExcelReportError(int nCode)
{
    AfxMessageBox(GXExcelErrorMessageId(nCode), MB_OK, 0);
}
