// CCreateContext: what a frame needs to create its view for a document.
//
// Differences from MFC: none.
#pragma once
#include "afx.h"

class CView;
class CDocument;
class CDocTemplate;
class CFrameWnd;

struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = NULL;
    CDocument* m_pCurrentDoc = NULL;
    CDocTemplate* m_pNewDocTemplate = NULL;
    CView* m_pLastView = NULL;
    CFrameWnd* m_pCurrentFrame = NULL;
};
