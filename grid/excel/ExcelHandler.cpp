#include "ExcelHandler.h"
#include "ExcelLogger.h"
#include <cstdio>

IMPLEMENT_DYNAMIC(CGXExcelHandler, CObject)

namespace
{
// One workbook is read or written at a time, on the user-interface thread.
struct HandlerState
{
    DWORD nReadCount = 0;
    DWORD nReadLimit = 0xFFFFFFFF;
    DWORD nClipboardMode = 0;
    CGXExcelLogger* pHandlerLog = NULL;
    BOOL bHandlerLogOn = FALSE;
    CGXExcelLogger* pTableLog = NULL;
    BOOL bTableLogOn = FALSE;
};

HandlerState& State()
{
    static HandlerState state;
    return state;
}
} // namespace

DWORD GXExGetReadCount()
{
    return State().nReadCount;
}

void GXExSetReadCount(DWORD nCount)
{
    State().nReadCount = nCount;
}

DWORD* GXExGetReadCountPtr()
{
    return &State().nReadCount;
}

DWORD GXExGetReadLimit()
{
    return State().nReadLimit;
}

void GXExSetReadLimit(DWORD nLimit)
{
    State().nReadLimit = nLimit;
}

DWORD GXExGetClipboardMode()
{
    return State().nClipboardMode;
}

void GXExSetClipboardMode(DWORD nMode)
{
    State().nClipboardMode = nMode;
}

CGXExcelLogger* GXExGetHandlerLog()
{
    return State().pHandlerLog;
}

void GXExSetHandlerLog(CGXExcelLogger* pLog, BOOL bOn)
{
    State().pHandlerLog = pLog;
    State().bHandlerLogOn = bOn;
}

BOOL GXExIsHandlerLogOn()
{
    return State().bHandlerLogOn;
}

CGXExcelLogger* GXExGetTableLog()
{
    return State().pTableLog;
}

void GXExSetTableLog(CGXExcelLogger* pLog, BOOL bOn)
{
    State().pTableLog = pLog;
    State().bTableLogOn = bOn;
}

BOOL GXExIsTableLogOn()
{
    return State().bTableLogOn;
}

void GXExLogTo(CGXExcelLogger* pLog, BOOL bOn, LPCTSTR pszText)
{
    if (pLog != NULL && bOn)
        pLog->LogText(pszText);
}

void GXExLogFormatTo(CGXExcelLogger* pLog, BOOL bOn, LPCTSTR pszFormat, DWORD nValue)
{
    if (pLog == NULL || !bOn)
        return;
    char buf[256];
    snprintf(buf, sizeof(buf), pszFormat, (unsigned long)nValue);
    pLog->LogText(buf);
}

void GXExWriteBytes(IStream* pStream, const void* pData, ULONG nBytes, DWORD* pTotal)
{
    ULONG nWritten = 0;
    HRESULT hr = pStream->Write(pData, nBytes, &nWritten);
    if (pTotal != NULL && SUCCEEDED(hr))
        *pTotal += nWritten;
    if (FAILED(hr) || nWritten != nBytes)
        throw gxExcelErrWrite;
}

BOOL CGXExcelHandler::ReadRecord(IStream*, gxexpointer target, DWORD)
{
    BOOL bResult = DispatchToTarget(target, 0);
    ResetRecord();
    return bResult;
}

BOOL CGXExcelHandler::WriteRecord(IStream*, gxexpointer, DWORD*, DWORD)
{
    ResetRecord();
    return TRUE;
}

void CGXExcelHandler::LogText(LPCTSTR pszText)
{
    GXExLogTo(GXExGetHandlerLog(), GXExIsHandlerLogOn(), pszText);
}

void CGXExcelHandler::LogFormat1(LPCTSTR pszFormat, DWORD nValue)
{
    GXExLogFormatTo(GXExGetHandlerLog(), GXExIsHandlerLogOn(), pszFormat, nValue);
}

void CGXExcelHandler::LogFormat2(LPCTSTR pszFormat, DWORD nValue)
{
    GXExLogFormatTo(GXExGetHandlerLog(), GXExIsHandlerLogOn(), pszFormat, nValue);
}

BOOL CGXExcelHandler::DispatchToTarget(gxexpointer target, DWORD nExtra)
{
    switch (target.m_nKind)
    {
    case 1:
        return ApplyToGrid(static_cast<CGXGridCore*>(target.m_pTarget), nExtra);
    case 2:
        return ApplyToStyle(target.m_pTarget, nExtra);
    case 3:
        return ApplyToTarget3(target.m_pTarget, nExtra);
    case 4:
        return ApplyToTarget4(target.m_pTarget, nExtra);
    default:
        return FALSE;
    }
}

BOOL CGXExcelHandler::ApplyToStyle(void*, DWORD)
{
    return TRUE;
}

BOOL CGXExcelHandler::ApplyToGrid(CGXGridCore*, DWORD)
{
    return TRUE;
}

BOOL CGXExcelHandler::ApplyToTarget3(void*, DWORD)
{
    return TRUE;
}

BOOL CGXExcelHandler::ApplyToTarget4(void*, DWORD)
{
    return TRUE;
}
