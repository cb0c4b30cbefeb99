// Library start-up in its ten steps.
#include "grid/core/GridLibrary.h"
#include "grid/core/DateTimeSettings.h"
#include "grid/core/SysColorTable.h"
#include "GridIds.h"

namespace
{
// Texts loaded at start-up: undo, redo and operation names, then the long-operation texts.
// clang-format off
const UINT s_anLibraryTexts[] = {
    20139, 20140, 20141, 20142, 20143, 20144, 20145, 20146, 20147, 20148, 20150, 20151, 20152, 20154, 20155,
    20156, 20157, 20172, 20173, 20169, 20168, 20174, 20175, 20178, 20179, 20180, 20162, 20163, 20164, 20165,
    GX_IDS_LONGOP_ASKABORT, GX_IDS_LONGOP_RUNNING, GX_IDS_LONGOP_DONE, GX_IDS_LONGOP_ESCABORT};
// clang-format on

// The library's own window classes, all with DefWindowProc.
struct OwnClass
{
    LPCSTR pszName;
    UINT nStyle;
};
const OwnClass s_ownClasses[] = {
    {"GXWND", CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW},
    {"GXNDBLCLKSWND", CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW},
    {"GxMdiFrame", CS_GLOBALCLASS | CS_DBLCLKS},
};

// Copies of system control classes, global to the process, in the module's instance.
struct CopiedClass
{
    LPCSTR pszName;
    LPCSTR pszSystemClass;
};
const CopiedClass s_copiedClasses[] = {
    {"GXEDIT", "edit"},
    {"GXLISTBOX", "listbox"},
    {"GXCOMBOBOX", "combobox"},
};
} // namespace

CString AFXAPI GXStylesClipboardFormatName(HINSTANCE hInstance)
{
    CString str;
    // "%08x" of the handle; on 64-bit Windows the whole handle, so modules above 4 GB differ.
    unsigned long long n = (UINT_PTR)hInstance;
    if (sizeof(void*) > 4)
        str.Format("Grid Styles %08x%08x", (unsigned)(n >> 32), (unsigned)n);
    else
        str.Format("Grid Styles %08x", (unsigned)n);
    return str;
}

void AFXAPI InitGridLibrary(CGXAbstractControlFactory* pFactory)
{
    CGXAppData* pAppData = GXGetAppData();
    HINSTANCE hInstance = AfxGetInstanceHandle();

    // 1. The styles clipboard format of this module.
    pAppData->m_uiStylesClipboardFormat = ::RegisterClipboardFormatA(GXStylesClipboardFormatName(hInstance));
    pAppData->m_uiMaskDataClipboardFormat = ::RegisterClipboardFormatA("GX_MASKDATA");
    pAppData->m_uiRtfClipboardFormat = ::RegisterClipboardFormatA("Rich Text Format");

    // 2. The factory (a previous one is deleted).
    pAppData->SetControlFactory(pFactory);

    // 3. The Windows version.
    DWORD dwVersion = ::GetVersion();
    BYTE nMajor = LOBYTE(LOWORD(dwVersion)), nMinor = HIBYTE(LOWORD(dwVersion));
    pAppData->m_dwVersion = ((DWORD)nMajor << 8) | nMinor;
    pAppData->m_bNotNT = (dwVersion & 0x80000000) != 0;
    pAppData->m_bWin4 = nMajor >= 4;
    pAppData->m_bOldShell = nMajor < 4;
    pAppData->m_bWin32s = pAppData->m_bNotNT && nMajor < 4;

    // 4. The application-wide components.
    if (pFactory != NULL)
        pFactory->InitializeApplicationComponents();

    // 5. The library texts.
    for (UINT nID : s_anLibraryTexts)
        pAppData->LoadLibraryText(nID);

    // 6. The auxiliary window class.
    pAppData->m_strAuxWndClass = AfxRegisterWndClass(CS_SAVEBITS);

    // 7. Window classes: the factory's, then the library's own and the control copies.
    if (pFactory != NULL)
        pFactory->RegisterWndClasses(hInstance);
    WNDCLASSA wc;
    for (const CopiedClass& c : s_copiedClasses)
    {
        if (::GetClassInfoA(hInstance, c.pszName, &wc) || !::GetClassInfoA(NULL, c.pszSystemClass, &wc))
            continue;
        wc.style |= CS_GLOBALCLASS;
        wc.hInstance = hInstance;
        wc.lpszClassName = c.pszName;
        ::RegisterClassA(&wc);
    }
    for (const OwnClass& c : s_ownClasses)
    {
        if (::GetClassInfoA(hInstance, c.pszName, &wc))
            continue;
        memset(&wc, 0, sizeof(wc));
        wc.style = c.nStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInstance;
        wc.lpszClassName = c.pszName;
        ::RegisterClassA(&wc);
    }

    // 8. System colours.
    GXGetSysColorTable()->Refresh();

    // 9. The date/time component reads the user's settings.
    GXRefreshDateTimeSettings();

    // 10. Done.
    pAppData->m_bInitDone = TRUE;
}
