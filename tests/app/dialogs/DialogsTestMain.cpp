// The application object of the dialog tests: the program's own.
#include "app/IRControlApp.h"

namespace
{
CIRControlApp theApp;
} // namespace
