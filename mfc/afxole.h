// OLE data transfer and container documents in one include.
//
// Differences from MFC:
// - Each class lives in its own header; this file only gathers them. No automation, no servers.
#pragma once
#include "afxwin.h"
#include "OleDataObject.h"
#include "OleDataSource.h"
#include "OleDropSource.h"
#include "OleDropTarget.h"
#include "OleClientItem.h"
#include "OleDocument.h"
#include "OleFrameHook.h"
