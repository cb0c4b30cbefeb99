// The test application.
#include "BarsTestApp.h"

static CBarsTestApp theApp;
