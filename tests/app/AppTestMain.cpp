// The application object of the tests: the program's own.
#include "app/IRControlApp.h"

namespace
{
class CAppTestApp : public CIRControlApp
{
  public:
    CAppTestApp()
    {
    }
};
CAppTestApp theApp;
} // namespace
