// The controls in one include: standard and common controls.
//
// Differences from MFC:
// - Each class lives in its own header; this file only gathers them. CImageList is absent
//   (controls take HIMAGELIST).
#pragma once
#include "afxwin.h"
#include "Button.h"
#include "Edit.h"
#include "Static.h"
#include "ListBox.h"
#include "ComboBox.h"
#include "SpinButtonCtrl.h"
#include "ProgressCtrl.h"
#include "SliderCtrl.h"
#include "TabCtrl.h"
#include "ToolTipCtrl.h"
#include "HeaderCtrl.h"
#include "ListCtrl.h"
#include "TreeCtrl.h"
#include "RichEditCtrl.h"
#include "ToolBarCtrl.h"
#include "StatusBarCtrl.h"
