// The application tests' application object: the program's own.
#include "app/IRControlApp.h"

CIRControlApp theApp;
