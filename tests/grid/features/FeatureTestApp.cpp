// The test application of the grid feature tests.
#include "FeatureTestApp.h"
#include "TestSupport.h"

namespace
{
class CFeatureTestApp : public CWinApp
{
  public:
    CFeatureTestApp() : CWinApp(_T("HelvonGridFeatureTest"))
    {
    }
};
CFeatureTestApp theApp;
} // namespace

std::vector<COLORREF> SampleClient(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetClientRect(&rect);
    CClientDC dc(pWnd);
    std::vector<COLORREF> v;
    for (int y = 0; y < rect.bottom; y += 3)
        for (int x = 0; x < rect.right; x += 3)
            v.push_back(dc.GetPixel(x, y));
    return v;
}

bool ShowsFreshPaint(CWnd* pWnd)
{
    // A paint that shows or hides a scroll bar paints again.
    pWnd->UpdateWindow();
    pWnd->UpdateWindow();
    std::vector<COLORREF> shown = SampleClient(pWnd);
    pWnd->Invalidate();
    pWnd->UpdateWindow();
    return shown == SampleClient(pWnd);
}
