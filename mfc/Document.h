// CDocument: the data behind one or more views; opened and saved through CArchive, with the
// modified flag, the view list and the save-changes prompt. Owned by its document template.
//
// Differences from MFC:
// - OnSaveDocument writes to a temporary file in the same folder and replaces the original only
//   when the archive closed cleanly; a failed save (or Save As) leaves the old file untouched.
// - No OLE, no mail (OnFileSendMail), no compound files.
#pragma once
#include "CmdTarget.h"

class CView;
class CDocTemplate;
class CFrameWnd;
class CArchive;
class CFile;
class CFileException;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)

  public:
    // Construction
    CDocument();
    ~CDocument() override;

    // Attributes
    const CString& GetTitle() const
    {
        return m_strTitle;
    }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const
    {
        return m_strPathName;
    }
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const
    {
        return m_pDocTemplate;
    }
    virtual BOOL IsModified()
    {
        return m_bModified;
    }
    virtual void SetModifiedFlag(BOOL bModified = TRUE)
    {
        m_bModified = bModified;
    }

    // Operations
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const
    {
        return m_viewList.GetHeadPosition();
    }
    CView* GetNextView(POSITION& rPosition) const
    {
        return (CView*)m_viewList.GetNext(rPosition);
    }
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);
    virtual void DeleteContents()
    {
    }

    // Overridables
    virtual void OnChangedViewList();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual BOOL SaveModified();
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);
    virtual CFile* GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    virtual void UpdateFrameCounts();
    virtual HMENU GetDefaultMenu()
    {
        return NULL;
    }
    virtual HACCEL GetDefaultAccelerator()
    {
        return NULL;
    }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Implementation
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;
    BOOL m_bAutoDelete; // delete the document when its last view goes
    BOOL m_bEmbedded;

    void SendInitialUpdate();
    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

  protected:
    DECLARE_MESSAGE_MAP()
};
