// Implemented by an application object that offers workbook documents: it hands each grid
// document its workbook manager and finds the template of a sheet's view and document.
#pragma once
#include "afx.h"

class CGXDocument;
class CGXWorkbookManager;
class CDocTemplate;

class CGXAppAdapter
{
  public:
    virtual ~CGXAppAdapter() = default;

    // The manager of the document's workbook; pKey is the document's template.
    virtual CGXWorkbookManager* GetWorkbookManager(void* pKey, CGXDocument* pDoc) = 0;
    // The template for a sheet of the view and document classes, or null.
    virtual CDocTemplate* GetDocTemplate(CRuntimeClass* pViewClass, CRuntimeClass* pDocClass) = 0;
};
