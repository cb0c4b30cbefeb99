// Resource ids of the list and tree controls.
#pragma once

// The resize cursor shown over header dividers.
#define IDC_SECLIST_RESIZE 20692

// The list-box editor's title-bar buttons (new, delete, up, down) and their tool tips.
#define IDB_SEC_LBE_NEW 20516
#define IDB_SEC_LBE_DELETE 20517
#define IDB_SEC_LBE_UP 20518
#define IDB_SEC_LBE_DOWN 20519
#define IDS_SEC_LBE_NEW 20531
#define IDS_SEC_LBE_DELETE 20532
#define IDS_SEC_LBE_UP 20533
#define IDS_SEC_LBE_DOWN 20534
