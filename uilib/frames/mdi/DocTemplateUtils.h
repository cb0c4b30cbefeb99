// SECDocTemplateUtils: finds document templates by their file-type string and works out which
// template a document with its view and frame belongs to. Stateless apart from which file-type
// string it compares; made on the stack.
#pragma once
#include "afxwin.h"

class SECDocTemplateUtils
{
  public:
    // Construction
    // bByTypeId: compare the registry file-type id strings, else the file-type names.
    explicit SECDocTemplateUtils(BOOL bByTypeId = TRUE) : m_bByTypeId(bByTypeId)
    {
    }
    virtual ~SECDocTemplateUtils() = default;

    // Overridables, in this order
    // The number of templates of this type before pTemplate; -1 when it is not registered.
    virtual int GetTemplateIndex(CDocTemplate* pTemplate, const CString& strType);
    // The nIndex-th template (from 0) of this type, NULL when there are fewer.
    virtual CDocTemplate* FindTemplate(const CString& strType, int nIndex);
    virtual CDocTemplate* IdentifyDocTemplate(CDocument* pDoc, CView* pView, CFrameWnd* pFrame);
    virtual UINT GetFrameResourceID(CFrameWnd* pFrame);
    virtual BOOL GetTemplateList(CPtrList& list);
    virtual void FilterByClasses(CPtrList& list, CView* pView, CFrameWnd* pFrame);
    virtual void FilterByFrame(CPtrList& list, CFrameWnd* pFrame);
    virtual void FilterByDocument(CPtrList& list, CDocument* pDoc);
    // TRUE with the one member (or NULL for an empty list); FALSE for several.
    virtual BOOL GetUniqueTemplate(CPtrList& list, CDocTemplate*& pTemplate);
    virtual BOOL IsDockableFrameClass(CRuntimeClass* pClass);
    virtual CRuntimeClass* GetFrameClass(CDocTemplate* pTemplate, BOOL bDockable);

    // Attributes
    BOOL m_bByTypeId;

    // Implementation
  protected:
    BOOL TypeMatches(CDocTemplate* pTemplate, const CString& strType) const;
    // Keeps the members for which keep() holds.
    template <class Pred> static void Filter(CPtrList& list, Pred keep)
    {
        POSITION pos = list.GetHeadPosition();
        while (pos != NULL)
        {
            POSITION posThis = pos;
            if (!keep((CDocTemplate*)list.GetNext(pos)))
                list.RemoveAt(posThis);
        }
    }
};
