// SECDockState: collecting a frame's bar layout, applying it (re-creating missing bars), and
// its profile and archive forms.
#include "uilib/frames/docking/DockState.h"
#include "FrameworkIds.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/ControlBarManager.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/DialogBar.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockSite.h"
#include "uilib/frames/docking/FrameBar.h"
#include "uilib/frames/docking/MiniDockFrameWnd.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(SECDockState, CDockState)

namespace
{
const UINT_PTR kPlaceHolderFlag = 0x10000;

// The dock bar inside a floating frame or a bar-hosting MDI child.
CDockBar* FloatingOrMDIDockBarOf(CFrameWnd* pFrame)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(::GetDlgItem(pFrame->m_hWnd, AFX_IDW_DOCKBAR_FLOAT));
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CDockBar)) ? static_cast<CDockBar*>(pWnd) : NULL;
}

// One more than the highest n of the profile's "<name>-Bar<n>" sections below nCount, read from
// the section names the profile holds (registry keys or INI sections).
int BarSectionsToRead(LPCTSTR lpszProfileName, int nCount)
{
    CWinApp* pApp = AfxGetApp();
    if (nCount <= 0)
        return 0;
    CString strPrefix;
    strPrefix.Format(_T("%s-Bar"), lpszProfileName);
    int nEnd = 0;
    auto consider = [&](LPCTSTR lpszName) {
        const int nPrefix = strPrefix.GetLength();
        const CString strName(lpszName);
        if (strName.GetLength() <= nPrefix || strName.Left(nPrefix).CompareNoCase(strPrefix) != 0)
            return;
        int n = 0;
        for (LPCTSTR p = lpszName + nPrefix; *p != 0; ++p)
        {
            if (*p < '0' || *p > '9' || n > (nCount - (*p - '0')) / 10)
                return; // not a bar section, or beyond the count
            n = n * 10 + (*p - '0');
        }
        if (n < nCount)
            nEnd = std::max(nEnd, n + 1);
    };
    if (pApp->m_pszRegistryKey != NULL)
    {
        HKEY hAppKey = pApp->GetAppRegistryKey();
        if (hAppKey == NULL)
            return 0;
        TCHAR szName[256];
        for (DWORD i = 0;; ++i)
        {
            DWORD cch = sizeof(szName) / sizeof(szName[0]);
            const LONG lResult = ::RegEnumKeyEx(hAppKey, i, szName, &cch, NULL, NULL, NULL, NULL);
            if (lResult == ERROR_MORE_DATA)
                continue; // too long for a bar section
            if (lResult != ERROR_SUCCESS)
                break;
            consider(szName);
        }
        ::RegCloseKey(hAppKey);
        return nEnd;
    }
    std::vector<TCHAR> names(4096);
    for (;;)
    {
        const DWORD cch =
            ::GetPrivateProfileSectionNames(names.data(), (DWORD)names.size(), pApp->m_pszProfileName);
        if (cch + 2 < names.size())
            break;
        names.resize(names.size() * 2);
    }
    for (LPCTSTR p = names.data(); *p != 0; p += lstrlen(p) + 1)
        consider(p);
    return nEnd;
}

} // namespace

BOOL PASCAL SECDockState::IsFrameBarInFloatingFrame(CControlBar* pBar)
{
    CFrameWnd* pParentFrame = pBar->GetParentFrame();
    if (pParentFrame == NULL || !pParentFrame->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)))
        return FALSE;
    CWnd* pWnd = pBar;
    if (pBar->IsDockBar())
    {
        CWnd* pChild = pBar->GetWindow(GW_CHILD);
        pWnd = pChild != NULL ? CWnd::FromHandlePermanent(pChild->m_hWnd) : NULL;
    }
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(SECFrameBar));
}

SECDockState::SECDockState(SECControlBarManager* pManager) : m_pManager(pManager), m_pDynamicBars(NULL)
{
}

SECDockState::~SECDockState()
{
    Clear();
}

SECControlBarInfo* SECDockState::CreateBarInfo(SECControlBarManager* pManager)
{
    SECControlBarInfo* pInfo = new SECControlBarInfo;
    pInfo->m_pManager = pManager;
    return pInfo;
}

void SECDockState::TakeManagerFrom(CFrameWnd* pFrame)
{
    if (m_pManager != NULL)
        return;
    if (SECDockSite* pSite = SECGetDockSite(pFrame))
        m_pManager = pSite->GetControlBarManager();
}

// ---- the profile

void SECDockState::SaveStateToProfile(LPCTSTR lpszProfileName)
{
    int nIndex = 0;
    for (int i = 0; i < GetBarInfoCount(); i++)
    {
        if (GetBarInfo(i)->SaveStateToProfile(lpszProfileName, nIndex))
            nIndex++;
    }
    WriteSummary(lpszProfileName, nIndex);
}

void SECDockState::LoadStateFromProfile(LPCTSTR lpszProfileName)
{
    // A damaged count must not make it read for ever: nothing beyond the last saved section.
    const int nBars = BarSectionsToRead(lpszProfileName, ReadSummary(lpszProfileName));
    for (int i = 0; i < nBars; i++)
    {
        // A missing section reads as defaults (bar id 0): its record finds no bar and is left
        // out when applied, and the bars after it still load.
        SECControlBarInfo* pInfo = CreateBarInfo(m_pManager);
        m_arrBarInfo.Add(pInfo);
        pInfo->LoadStateFromProfile(lpszProfileName, i, this);
    }
}

// ---- the archive

void SECDockState::Serialize(CArchive& ar)
{
    SerializeRecords(*this, ar, [this] { return CreateBarInfo(m_pManager); });
}

// ---- collecting

BOOL SECDockState::CollectFrameState(CFrameWnd* pFrame)
{
    if (pFrame == NULL)
        return FALSE;
    Clear();
    TakeManagerFrom(pFrame);
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != NULL)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd == NULL || IsFrameBarInFloatingFrame(pBar))
            continue;
        const BOOL bDockBar = pBar->IsKindOf(RUNTIME_CLASS(SECDockBar));
        if (!bDockBar && !pBar->IsKindOf(RUNTIME_CLASS(SECControlBar)))
            continue;
        SECControlBarInfo* pInfo = CreateBarInfo(m_pManager);
        if (bDockBar)
            static_cast<SECDockBar*>(pBar)->GetBarInfo(pInfo);
        else
            static_cast<SECControlBar*>(pBar)->GetBarInfoEx(pInfo);
        m_arrBarInfo.Add(pInfo);
    }
    return TRUE;
}

void SECDockState::RemoveStaleBarEntries()
{
    const int nCount = GetBarInfoCount();
    for (int a = 0; a < nCount; a++)
    {
        SECControlBarInfo* pA = GetBarInfo(a);
        const UINT_PTR nPlaceHolder = (UINT_PTR)pA->m_nBarID | kPlaceHolderFlag;
        for (int b = 0; b < nCount; b++)
        {
            SECControlBarInfo* pB = GetBarInfo(b);
            if (pB->m_nBarID == pA->m_uMRUDockID)
                continue;
            for (int j = 0; j < pB->m_arrBarID.GetSize() - 1; j++)
            {
                if ((UINT_PTR)pB->m_arrBarID[j] == nPlaceHolder)
                    pB->m_arrBarID[j] = NULL;
            }
        }
    }
    for (int i = 0; i < nCount; i++)
    {
        CPtrArray& arr = GetBarInfo(i)->m_arrBarID;
        for (int j = 0; j < arr.GetSize(); j++)
        {
            if (arr[j] == NULL)
                continue;
            for (int k = j + 1; k < arr.GetSize(); k++)
            {
                if (arr[k] == arr[j])
                    arr[k] = NULL;
            }
        }
        while (arr.GetSize() > 0 && arr[arr.GetSize() - 1] == NULL)
            arr.RemoveAt(arr.GetSize() - 1);
        if (arr.GetSize() > 0)
            arr.Add(NULL);
    }
}

// ---- applying

BOOL SECDockState::ApplyToFrame(CFrameWnd* pFrame)
{
    if (pFrame == NULL)
        return FALSE;
    TakeManagerFrom(pFrame);
    const BOOL bMDI = pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd));
    CreateBars(pFrame, bMDI);
    // Dock bars first, so every bar has its place before its own record positions it.
    for (int nPass = 0; nPass < 2; nPass++)
    {
        for (int i = 0; i < GetBarInfoCount(); i++)
        {
            SECControlBarInfo* pInfo = GetBarInfo(i);
            CControlBar* pBar = pInfo->m_pBar;
            if ((pBar->IsDockBar() ? 0 : 1) != nPass)
                continue;
            if (pBar->IsKindOf(RUNTIME_CLASS(SECControlBar)))
                static_cast<SECControlBar*>(pBar)->SetBarInfoEx(pInfo, pFrame);
            else
                pBar->SetBarInfo(pInfo, pFrame);
        }
    }
    PositionFloatingFrames();
    pFrame->RecalcLayout(TRUE);
    if (bMDI)
    {
        RestoreMDIChildPlacements();
        pFrame->DelayRecalcLayout();
    }
    return TRUE;
}

void SECDockState::CreateBars(CFrameWnd* pFrame, BOOL bMDI)
{
    SECDockSite* pSite = SECGetDockSite(pFrame);
    if (m_pDynamicBars == NULL && pSite != NULL)
        m_pDynamicBars = pSite->GetDynamicBarList();
    for (int i = 0; i < GetBarInfoCount(); i++)
    {
        SECControlBarInfo* pInfo = GetBarInfo(i);
        pInfo->m_pBar = NULL;
        if (pInfo->m_bFloating)
        {
            CFrameWnd* pFloatFrame = NULL;
            if (pInfo->m_bMDIChild && bMDI && pSite != NULL)
                pFloatFrame = pSite->CreateMDIChildFrameForBar();
            else
                pFloatFrame = pFrame->CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
            CDockBar* pDockBar = pFloatFrame != NULL ? FloatingOrMDIDockBarOf(pFloatFrame) : NULL;
            if (pDockBar != NULL)
            {
                pDockBar->m_pDockBar = NULL;
                pInfo->m_pBar = pDockBar;
            }
        }
        else
        {
            pInfo->m_pBar = pFrame->GetControlBar(pInfo->m_nBarID);
            if (pInfo->m_pBar == NULL && m_pManager != NULL)
                pInfo->m_pBar = m_pManager->CreateBar(pInfo);
            if (pInfo->m_pBar == NULL)
                pInfo->m_pBar = CreateBarByClassName(pInfo->m_strClassName, pFrame, pInfo);
        }
        if (pInfo->m_pBar == NULL)
        {
            // Neither found nor made again: the saved bar is left out.
            m_arrBarInfo.RemoveAt(i--);
            delete pInfo;
        }
    }
}

void SECDockState::PositionFloatingFrames()
{
    for (int i = 0; i < GetBarInfoCount(); i++)
    {
        SECControlBarInfo* pInfo = GetBarInfo(i);
        CControlBar* pBar = pInfo->m_pBar;
        if (pBar->IsKindOf(RUNTIME_CLASS(SECControlBar)))
        {
            static_cast<SECControlBar*>(pBar)->SetExBarStyle(pInfo->m_dwExStyle, FALSE);
            CDockBar* pDockBar = pBar->m_pDockBar;
            if (pDockBar != NULL && pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)))
            {
                CPtrArray& arr = static_cast<SECDockBar*>(pDockBar)->m_arrRepaint;
                BOOL bListed = FALSE;
                for (int j = 0; j < arr.GetSize() && !bListed; j++)
                    bListed = arr[j] == pBar;
                if (!bListed)
                    arr.Add(pBar);
            }
        }
        if (!pInfo->m_bFloating || !pBar->IsDockBar())
            continue;
        CDockBar* pDockBar = static_cast<CDockBar*>(pBar);
        CFrameWnd* pFloatFrame = pDockBar->GetParentFrame();
        if (pFloatFrame == NULL)
            continue;
        if (pDockBar->GetDockedCount() == 0)
        {
            // None of its bars was left: an empty floating frame would only linger hidden.
            pFloatFrame->DestroyWindow();
            continue;
        }
        CRect rect(pInfo->m_pointPos, CSize(10, 10));
        pFloatFrame->CalcWindowRect(&rect);
        pFloatFrame->SetWindowPos(NULL, rect.left, rect.top, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (pDockBar->GetDockedVisibleCount() > 0)
        {
            pFloatFrame->RecalcLayout(TRUE);
            pFloatFrame->ShowWindow(SW_SHOWNA);
        }
    }
}

void SECDockState::RestoreMDIChildPlacements()
{
    for (int i = 0; i < GetBarInfoCount(); i++)
    {
        SECControlBarInfo* pInfo = GetBarInfo(i);
        if (!pInfo->m_bMDIChild || pInfo->m_pBar == NULL || pInfo->m_wpMDIChild.length == 0)
            continue;
        CFrameWnd* pParent = pInfo->m_pBar->GetParentFrame();
        if (pParent != NULL)
            pParent->SetWindowPlacement(&pInfo->m_wpMDIChild);
    }
}

// ---- re-creating bars

CRuntimeClass* SECDockState::FindRuntimeClass(LPCTSTR lpszClassName)
{
    if (lpszClassName == NULL || *lpszClassName == 0)
        return NULL;
    return CRuntimeClass::FromName(lpszClassName);
}

CControlBar* SECDockState::CreateBarByClassName(LPCTSTR lpszClassName, CFrameWnd* pFrame,
                                                SECControlBarInfo* pInfo)
{
    CRuntimeClass* pClass = FindRuntimeClass(lpszClassName);
    // A damaged profile may name any class: only the library's bars are made from it.
    if (pClass == NULL || pClass->m_pfnCreateObject == NULL ||
        !pClass->IsDerivedFrom(RUNTIME_CLASS(CControlBar)) ||
        !pClass->IsDerivedFrom(RUNTIME_CLASS(SECControlBar)))
        return NULL;
    SECControlBar* pBar = static_cast<SECControlBar*>(pClass->CreateObject());
    if (pBar == NULL)
        return NULL;
    // A bar is a child window whatever the record's style says.
    const DWORD dwStyle = pInfo->m_dwStyle | WS_CHILD;
    BOOL bCreated;
    if (pBar->IsKindOf(RUNTIME_CLASS(SECDialogBar)))
        bCreated = static_cast<SECDialogBar*>(pBar)->Create(pFrame, MAKEINTRESOURCE(pInfo->m_dwResourceID),
                                                            dwStyle, pInfo->m_dwExStyle, pInfo->m_nBarID);
    else
        bCreated =
            pBar->Create(pFrame, pInfo->m_strWindowName, dwStyle, pInfo->m_dwExStyle, pInfo->m_nBarID, NULL);
    if (!bCreated)
    {
        if (pBar->m_hWnd != NULL)
            pBar->DestroyWindow();
        delete pBar;
        return NULL;
    }
    if (m_pDynamicBars != NULL)
        m_pDynamicBars->AddTail(pBar);
    else
        pBar->m_bAutoDelete = TRUE; // nobody keeps it: it goes with its window
    pBar->SetWindowText(pInfo->m_strWindowName);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}
