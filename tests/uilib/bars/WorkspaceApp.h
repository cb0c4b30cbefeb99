// The workspace tests' MDI application on the library's frames: two document types (the second
// shows two views in a split frame), a docking bar, a toolbar manager, the workspace manager
// plugged into the main frame, the stored workspace read back as sections, and dialogs answered from a timer.
#pragma once
#include "BarsTestApp.h"
#include "SplitterWnd.h"
#include "TestSupport.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/ToolBarManager.h"
#include "uilib/bars/WorkspaceManagerEx.h"
#include "uilib/frames/mdi/MDIChildWnd.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "uilib/frames/mdi/MultiDocTemplate.h"
#include <functional>
#include <string>
#include <utility>
#include <vector>

class CWsDoc : public CDocument
{
    DECLARE_DYNCREATE(CWsDoc)

  public:
    void Serialize(CArchive& ar) override;
};

class CWsDocB : public CWsDoc
{
    DECLARE_DYNCREATE(CWsDocB)
};

class CWsView : public CView
{
    DECLARE_DYNCREATE(CWsView)

  public:
    void OnDraw(CDC*) override
    {
    }
};

// Two views of one document side by side.
class CWsSplitChild : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(CWsSplitChild)

  protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    CSplitterWnd m_split;
};

class CWsMainFrame : public SECMDIFrameWnd
{
    DECLARE_DYNCREATE(CWsMainFrame)
};

// One ordered section (INI) or key (registry) of a stored tree: path and its values.
using StoredValues = std::vector<std::pair<std::string, std::string>>;
struct StoredNode
{
    std::string path; // names joined with "."
    StoredValues values;
};

struct CWorkspaceApp
{
    CWsMainFrame* m_pFrame = NULL;
    SECMultiDocTemplate* m_pTemplateA = NULL;
    SECMultiDocTemplate* m_pTemplateB = NULL;
    SECControlBar* m_pBar = NULL;
    SECToolBarManager* m_pToolBars = NULL; // owned
    SECWorkspaceManagerEx* m_pManager = NULL;
    int m_nOldCmdShow;

    // mode: SECWorkspaceManagerEx::storeProfile or storeRegistry.
    explicit CWorkspaceApp(int nMode, CRuntimeClass* pManagerClass = NULL);
    ~CWorkspaceApp();

    // A document file with content, in the test's folder.
    static std::string MakeFile(const char* name);
    CDocument* Open(SECMultiDocTemplate* pTemplate, const std::string& path);
    void Layout();
    // All open documents of both templates.
    std::vector<CDocument*> Documents() const;
    static std::vector<CFrameWnd*> FramesOf(CDocument* pDoc);
    static CView* FirstView(CDocument* pDoc);
    std::vector<CFrameWnd*> MDIChildren() const;
};

// Runs each step from a timer when a dialog of this thread is shown (its handle given); steps
// are taken one dialog at a time, in order.
class CDialogAnswers
{
  public:
    explicit CDialogAnswers(std::vector<std::function<void(HWND)>> steps);
    ~CDialogAnswers();
    CDialogAnswers(const CDialogAnswers&) = delete;
    CDialogAnswers& operator=(const CDialogAnswers&) = delete;
    size_t Done() const
    {
        return m_nDone;
    }
    // The caption of each dialog answered.
    const std::vector<std::string>& Captions() const
    {
        return m_captions;
    }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    std::vector<std::function<void(HWND)>> m_steps;
    size_t m_nDone = 0;
    HWND m_hLast = NULL;
    std::vector<std::string> m_captions;
    UINT_PTR m_nTimer = 0;
};
// Answers a file dialog with a path (empty: cancel).
std::function<void(HWND)> FileAnswer(const std::string& path);

// A stored tree read back with the system's functions: INI sections in file order, or registry
// keys below a key (values sorted by name, as the registry returns them).
std::vector<StoredNode> ReadIniTree(const std::string& file);
std::vector<StoredNode> ReadRegistryTree(HKEY hRoot, const std::string& key);
const StoredNode* FindNode(const std::vector<StoredNode>& nodes, const std::string& path);
std::string ValueOf(const StoredNode* pNode, const std::string& key);

// The letter encoding read back as bytes, and bytes written in it.
std::vector<BYTE> DecodeLetters(const std::string& text);
std::string EncodeLetters(const void* pData, size_t nSize);
// Deletes a registry key with everything below it.
void DeleteRegistryTree(HKEY hRoot, const std::string& key);

// The registry key below which the tests' workspaces are stored, the two storage modes, the
// name a mode stores a workspace under and the tree stored there.
extern const char kWorkspaceBaseKey[];
struct WorkspaceMode
{
    int nMode;
    const char* label;
};
extern const WorkspaceMode kWorkspaceModes[2];
std::string WorkspaceName(int nMode, const char* stem);
std::vector<StoredNode> StoredTree(int nMode, const std::string& name);
// A stored node damaged the way a test needs: removed with what is below it, or one value set
// (as text; in the registry also as raw data of another type).
void DeleteStoredNode(int nMode, const std::string& name, const std::string& path);
void SetStoredValue(int nMode, const std::string& name, const std::string& path, const std::string& key,
                    const std::string& value);
void SetStoredRaw(const std::string& name, const std::string& path, const std::string& key, DWORD dwType,
                  const std::vector<BYTE>& data);

// What a test wrote below the workspace key goes, before and after.
struct WorkspaceRegistryCleaner
{
    WorkspaceRegistryCleaner();
    ~WorkspaceRegistryCleaner();
};
