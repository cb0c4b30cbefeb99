// Update hints between views.
#include "grid/features/GridHint.h"

IMPLEMENT_DYNAMIC(CGXGridHint, CObject)

CGXGridHint::CGXGridHint(UINT id, UINT nViewId) : m_id(id), m_nViewId(nViewId)
{
}
