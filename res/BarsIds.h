// Ids of the bar library's texts and controls in res/bars.rc.
#pragma once

// Colour wells: the "Other..." button's caption and control id.
#define IDS_SEC_OTHER_COLOR 23100
#define IDC_SEC_OTHER_COLOR 59953

// Control bars: tool tips of the gripper buttons, and the context menu's commands (their
// texts under the same ids).
#define IDS_SEC_GRIPPER_CLOSE_TIP 20655
#define IDS_SEC_GRIPPER_EXPAND_TIP 20657
#define IDS_SEC_GRIPPER_CONTRACT_TIP 20658
#define ID_SEC_ALLOW_DOCKING 43040
#define ID_SEC_HIDE_BAR 43041

// Custom toolbars: the title of a new user toolbar ("%d": its number from 1).
#define IDS_SEC_USER_TOOLBAR 20674

// Browse edits: the old-style directory dialog's template and the name it puts in its hidden
// file-name edit; the choosers' titles.
#define IDD_SEC_DIRSELECT 2000
#define IDS_SEC_DIRSELECT_FILENAME 20624
#define IDS_SEC_DIRSELECT_TITLE 20625
#define IDS_SEC_FILESELECT_TITLE 20626

// Workspace manager dialog: template, controls and texts.
#define IDD_SEC_WORKSPACE_MANAGER 20502
#define IDC_SEC_WS_SAVE 43000
#define IDC_SEC_WS_OPEN 43001
#define IDC_SEC_WS_DONE 43053
#define IDC_SEC_WS_LIST 43072
#define IDC_SEC_WS_ACTIVE 43105
#define IDS_SEC_WS_MANAGER 20665
#define IDS_SEC_WS_INVALID_RENAME 20666
#define IDS_SEC_WS_EXISTS_RENAME 20667
#define IDS_SEC_WS_INVALID_ADD 20668
#define IDS_SEC_WS_EXISTS_ADD 20669
#define IDS_SEC_WS_ASK_SAVE_NEW 20670
#define IDS_SEC_WS_TITLE 20671
#define IDS_SEC_WS_NONE 20672
#define IDS_SEC_WS_NEED_SELECTION 20673
#define IDS_SEC_WS_OPEN_CAPTION 20686
#define IDS_SEC_WS_FILTER_NAME 20687
#define IDS_SEC_WS_ALL_FILES 20688
#define IDS_SEC_WS_SAVE_CAPTION 20689
// Workspace manager: the recent-list items and its messages.
#define IDS_SEC_WS_SAVE_FAILED 20663
#define IDS_SEC_WS_MORE 20664
#define IDS_SEC_WS_NO_RECENT 20685
#define IDS_SEC_WS_INVALID 20690

// Bitmap menus: the check mark shown with the library's own radio dot.
#define IDB_SEC_MENU_CHECK 20525

// Toolbars: the customisation page's reset and delete buttons, and the menu bar's title.
#define IDS_SEC_RESET_TOOLBAR 20536
#define IDS_SEC_DELETE_TOOLBAR 20537
#define IDS_SEC_MENUBAR_TITLE 20619

// Toolbar customisation: the commands page, the new-toolbar dialog and the toolbars page with
// their controls; the cursor of a drag that copies a button.
#define IDD_SEC_TOOLBAR_COMMANDS 20509
#define IDD_SEC_NEW_TOOLBAR 20511
#define IDD_SEC_TOOLBARS 20513
#define IDC_SEC_TB_BUTTONS_FRAME 43093
#define IDC_SEC_TB_LIST 43094
#define IDC_SEC_TB_DESCRIPTION 43095
#define IDC_SEC_TB_NEW_NAME 43096
#define IDC_SEC_TB_NAME_LABEL 43097
#define IDC_SEC_TB_NEW 43098
#define IDC_SEC_TB_RESET 43100
#define IDC_SEC_TB_TOOLTIPS 43101
#define IDC_SEC_TB_NAME 43102
#define IDC_SEC_TB_LARGE 43103
#define IDC_SEC_TB_COOLLOOK 43104
#define IDC_SEC_COPY_DRAG 20691
// The menu button's arrows: pointing down (menu below) and right (menu to the right).
#define IDB_SEC_MENUBTN_DOWN 23000
#define IDB_SEC_MENUBTN_RIGHT 23001
