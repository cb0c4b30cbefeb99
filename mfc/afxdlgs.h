// Dialogs in one include: dialogs, data exchange, form views.
//
// Differences from MFC:
// - Each class lives in its own header; this file only gathers them.
#pragma once
#include "afxwin.h"
#include "afxcmn.h"
#include "Dialog.h"
#include "DataExchange.h"
#include "PropertyPage.h"
#include "PropertySheet.h"
#include "FormView.h"
#include "CommonDialog.h"
#include "FileDialog.h"
#include "ColorDialog.h"
#include "FontDialog.h"
#include "PageSetupDialog.h"
#include "FindReplaceDialog.h"
#include "RectTracker.h"
#include "CheckListBox.h"
#include "DragListBox.h"
#include "PrintDialog.h"
