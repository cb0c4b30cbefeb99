// Resource ids of the list and tree controls.
#pragma once

// The resize cursor shown over header dividers.
#define IDC_SECLIST_RESIZE 20692
