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
