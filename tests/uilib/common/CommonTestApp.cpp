// The test application.
#include "CommonTestApp.h"

static CCommonTestApp theApp;
