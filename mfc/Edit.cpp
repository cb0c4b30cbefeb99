// CEdit: all members are inline; this file holds its run-time class.
#include "Edit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)
