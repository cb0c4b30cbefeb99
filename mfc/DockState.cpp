// The docking state of a frame's bars in the profile and in an archive, scaled to the screen.
#include "DockState.h"
#include "Archive.h"
#include "ControlBarInfo.h"
#include "WinApp.h"

IMPLEMENT_SERIAL(CDockState, CObject, 0)

CDockState::CDockState() : m_dwVersion(2), m_sizeDevice(0, 0), m_bScaling(FALSE)
{
}

CDockState::~CDockState()
{
    Clear();
}

void CDockState::Clear()
{
    for (int i = 0; i < m_arrBarInfo.GetSize(); i++)
        delete (CControlBarInfo*)m_arrBarInfo[i];
    m_arrBarInfo.RemoveAll();
}

CSize PASCAL CDockState::GetScreenSize()
{
    HDC hDC = ::GetDC(NULL);
    CSize size(::GetDeviceCaps(hDC, HORZRES), ::GetDeviceCaps(hDC, VERTRES));
    ::ReleaseDC(NULL, hDC);
    return size;
}

void CDockState::SetScreenSize(CSize size)
{
    m_sizeDevice = size;
    // A zero side cannot be scaled from: positions stay as saved.
    m_bScaling = size.cx > 0 && size.cy > 0 && size != GetScreenSize();
}

void CDockState::ScalePoint(CPoint& pt) const
{
    if (!m_bScaling)
        return;
    CSize sizeScreen = GetScreenSize();
    pt.x = ::MulDiv(pt.x, sizeScreen.cx, m_sizeDevice.cx);
    pt.y = ::MulDiv(pt.y, sizeScreen.cy, m_sizeDevice.cy);
}

void CDockState::ScaleRectPos(CRect& rect) const
{
    if (!m_bScaling)
        return;
    CPoint pt = rect.TopLeft();
    ScalePoint(pt);
    rect.OffsetRect(pt.x - rect.left, pt.y - rect.top);
}

void CDockState::WriteSummary(LPCTSTR lpszProfileName, int nBars)
{
    CWinApp* pApp = AfxGetApp();
    CString strSection;
    strSection.Format(_T("%s-Summary"), lpszProfileName);
    pApp->WriteProfileInt(strSection, _T("Bars"), nBars);
    const CSize size = GetScreenSize();
    pApp->WriteProfileInt(strSection, _T("ScreenCX"), size.cx);
    pApp->WriteProfileInt(strSection, _T("ScreenCY"), size.cy);
}

int CDockState::ReadSummary(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    CString strSection;
    strSection.Format(_T("%s-Summary"), lpszProfileName);
    const int nBars = (int)pApp->GetProfileInt(strSection, _T("Bars"), 0);
    SetScreenSize(CSize((int)pApp->GetProfileInt(strSection, _T("ScreenCX"), 0),
                        (int)pApp->GetProfileInt(strSection, _T("ScreenCY"), 0)));
    return nBars;
}

void CDockState::SaveState(LPCTSTR lpszProfileName)
{
    int nIndex = 0;
    for (int i = 0; i < m_arrBarInfo.GetSize(); i++)
    {
        if (((CControlBarInfo*)m_arrBarInfo[i])->SaveState(lpszProfileName, nIndex))
            nIndex++;
    }
    WriteSummary(lpszProfileName, nIndex);
}

void CDockState::LoadState(LPCTSTR lpszProfileName)
{
    const int nBars = ReadSummary(lpszProfileName);
    for (int i = 0; i < nBars; i++)
    {
        // A missing section means the count was wrong; what follows is not there either.
        CString strBarSection;
        strBarSection.Format(_T("%s-Bar%d"), lpszProfileName, i);
        int nBarID;
        if (!AfxGetProfileIntIfPresent(strBarSection, _T("BarID"), &nBarID))
            break;
        CControlBarInfo* pInfo = new CControlBarInfo;
        m_arrBarInfo.Add(pInfo);
        pInfo->LoadState(lpszProfileName, i, this);
    }
}

void CDockState::Serialize(CArchive& ar)
{
    SerializeRecords(*this, ar, [] { return new CControlBarInfo; });
}
