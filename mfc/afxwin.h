// The window layer in one include: application, windows, frames, document/view and GDI.
//
// Differences from MFC:
// - Each class lives in its own header; this file only gathers them.
#pragma once
#include "afx.h"
#include "FrameworkIds.h"
#include "CmdTarget.h"
#include "Wnd.h"
#include "ScrollBar.h"
#include "Menu.h"
#include "DC.h"
#include "WinThread.h"
#include "WinApp.h"
#include "CommandLineInfo.h"
#include "RecentFileList.h"
#include "CreateContext.h"
#include "FrameWnd.h"
#include "Document.h"
#include "View.h"
#include "DocTemplate.h"
#include "SingleDocTemplate.h"
#include "MultiDocTemplate.h"
#include "DocManager.h"
#include "MDIFrameWnd.h"
#include "MDIChildWnd.h"
