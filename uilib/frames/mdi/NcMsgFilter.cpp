// SECNcMsgFilter: a class marker for non-client filters.
#include "uilib/frames/mdi/NcMsgFilter.h"

IMPLEMENT_DYNCREATE(SECNcMsgFilter, SECMsgFilter)

SECMsgFilter* SECNcMsgFilter::Clone() const
{
    return new SECNcMsgFilter(*this);
}
