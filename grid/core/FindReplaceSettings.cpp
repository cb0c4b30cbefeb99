// The shared find and replace settings.
#include "grid/core/FindReplaceSettings.h"

CGXFindReplaceSettings* AFXAPI GXGetFindReplaceSettings()
{
    static CGXFindReplaceSettings s_settings;
    return &s_settings;
}
