// The test application and the window helpers of the grid core tests.
#include "GridTestApp.h"
#include "TestSupport.h"

static CGridTestApp theApp;
