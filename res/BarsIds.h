// Ids of the bar library's texts and controls in res/bars.rc.
#pragma once

// Colour wells: the "Other..." button's caption and control id.
#define IDS_SEC_OTHER_COLOR 23100
#define IDC_SEC_OTHER_COLOR 59953
