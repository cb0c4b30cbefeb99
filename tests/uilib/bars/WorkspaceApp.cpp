// The workspace tests' application, dialog answers and readers of stored trees.
#include "WorkspaceApp.h"
#include <algorithm>
#include <dlgs.h>

using namespace testing_support;

IMPLEMENT_DYNCREATE(CWsDoc, CDocument)
IMPLEMENT_DYNCREATE(CWsDocB, CWsDoc)
IMPLEMENT_DYNCREATE(CWsView, CView)
IMPLEMENT_DYNCREATE(CWsSplitChild, SECMDIChildWnd)
IMPLEMENT_DYNCREATE(CWsMainFrame, SECMDIFrameWnd)

void CWsDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        BYTE b = 'w';
        ar << b;
    }
}

BOOL CWsSplitChild::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return m_split.CreateStatic(this, 1, 2) &&
           m_split.CreateView(0, 0, RUNTIME_CLASS(CWsView), CSize(120, 100), pContext) &&
           m_split.CreateView(0, 1, RUNTIME_CLASS(CWsView), CSize(120, 100), pContext);
}

CWorkspaceApp::CWorkspaceApp(int nMode, CRuntimeClass* pManagerClass)
{
    CWinApp* pApp = AfxGetApp();
    m_nOldCmdShow = pApp->m_nCmdShow;
    pApp->m_nCmdShow = SW_SHOWNORMAL;
    m_pTemplateA = new SECMultiDocTemplate(IDR_WS_DOCA, RUNTIME_CLASS(CWsDoc), RUNTIME_CLASS(SECMDIChildWnd),
                                           RUNTIME_CLASS(CWsView));
    m_pTemplateB = new SECMultiDocTemplate(IDR_WS_DOCB, RUNTIME_CLASS(CWsDocB), RUNTIME_CLASS(CWsSplitChild),
                                           RUNTIME_CLASS(CWsView));
    pApp->AddDocTemplate(m_pTemplateA);
    pApp->AddDocTemplate(m_pTemplateB);

    m_pFrame = new CWsMainFrame;
    m_pFrame->Create(NULL, _T("Arbeitsbereich-Test"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                     CRect(40, 40, 840, 640), NULL, MAKEINTRESOURCE(IDR_WS_MAIN));
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pApp->m_pMainWnd = m_pFrame;

    m_pToolBars = new SECToolBarManager(m_pFrame, m_pFrame);
    m_pFrame->SetControlBarManager(m_pToolBars);
    m_pToolBars->AddToolBarResource(IDR_TB_FIRST, IDR_TB_FIRST);

    m_pBar = new SECControlBar;
    m_pBar->m_szDefault = CSize(160, 40);
    m_pBar->Create(m_pFrame, _T("Leiste"), WS_CHILD | WS_VISIBLE | CBRS_TOP, BAR_EX_GRIPPER, ID_WS_BAR);
    m_pBar->m_bAutoDelete = TRUE;
    m_pBar->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_TOP);

    m_pManager = static_cast<SECWorkspaceManagerEx*>(m_pFrame->InitWorkspaceMgrEx(
        _T("Software\\Tessaron\\DefWorkspace"), nMode,
        pManagerClass != NULL ? pManagerClass : RUNTIME_CLASS(SECWorkspaceManagerEx), FALSE));
    m_pFrame->SetForegroundWindow();
    Layout();
}

CWorkspaceApp::~CWorkspaceApp()
{
    CWinApp* pApp = AfxGetApp();
    for (SECMultiDocTemplate* pTemplate : {m_pTemplateA, m_pTemplateB})
        pTemplate->CloseAllDocuments(FALSE);
    PumpMessages(20);
    pApp->m_pMainWnd = NULL;
    m_pFrame->DestroyWindow();
    delete m_pToolBars;
    PumpMessages(20);
    for (SECMultiDocTemplate* pTemplate : {m_pTemplateA, m_pTemplateB})
    {
        CPtrList& list = pApp->m_pDocManager->m_templateList;
        POSITION pos = list.Find(pTemplate);
        if (pos != NULL)
            list.RemoveAt(pos);
        delete pTemplate;
    }
    pApp->m_nCmdShow = m_nOldCmdShow;
}

std::string CWorkspaceApp::MakeFile(const char* name)
{
    std::string path = TempFolder() + name;
    FILE* f = fopen(path.c_str(), "wb");
    if (f != NULL)
    {
        fputc('w', f);
        fclose(f);
    }
    return path;
}

CDocument* CWorkspaceApp::Open(SECMultiDocTemplate* pTemplate, const std::string& path)
{
    CDocument* pDoc = pTemplate->OpenDocumentFile(path.empty() ? NULL : path.c_str(), TRUE);
    Layout();
    return pDoc;
}

void CWorkspaceApp::Layout()
{
    m_pFrame->RecalcLayout();
    PumpMessages(30);
}

std::vector<CDocument*> CWorkspaceApp::Documents() const
{
    std::vector<CDocument*> docs;
    for (SECMultiDocTemplate* pTemplate : {m_pTemplateA, m_pTemplateB})
        for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != NULL;)
            docs.push_back(pTemplate->GetNextDoc(pos));
    return docs;
}

std::vector<CFrameWnd*> CWorkspaceApp::FramesOf(CDocument* pDoc)
{
    std::vector<CFrameWnd*> frames;
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != NULL;)
    {
        CFrameWnd* pFrame = pDoc->GetNextView(pos)->GetParentFrame();
        if (std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    }
    return frames;
}

CView* CWorkspaceApp::FirstView(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != NULL ? pDoc->GetNextView(pos) : NULL;
}

std::vector<CFrameWnd*> CWorkspaceApp::MDIChildren() const
{
    std::vector<CFrameWnd*> children;
    for (HWND hChild = ::GetWindow(m_pFrame->m_hWndMDIClient, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hChild)))
            children.push_back(pFrame);
    return children;
}

// ---- dialogs

namespace
{
CDialogAnswers* g_pAnswers = NULL;

} // namespace

CDialogAnswers::CDialogAnswers(std::vector<std::function<void(HWND)>> steps) : m_steps(std::move(steps))
{
    g_pAnswers = this;
    m_nTimer = ::SetTimer(NULL, 0, 150, OnTimer);
}

CDialogAnswers::~CDialogAnswers()
{
    ::KillTimer(NULL, m_nTimer);
    g_pAnswers = NULL;
}

void CALLBACK CDialogAnswers::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CDialogAnswers* pThis = g_pAnswers;
    if (pThis == NULL || pThis->m_nDone >= pThis->m_steps.size())
        return;
    HWND hDialog = testing_support::FindThreadWindow("#32770");
    // A dialog already answered may take a moment to go.
    if (hDialog == NULL || hDialog == pThis->m_hLast)
        return;
    pThis->m_hLast = hDialog;
    char szCaption[256] = {};
    ::GetWindowText(hDialog, szCaption, sizeof szCaption);
    pThis->m_captions.push_back(szCaption);
    pThis->m_steps[pThis->m_nDone++](hDialog);
}

std::function<void(HWND)> FileAnswer(const std::string& path)
{
    return [path](HWND hDialog) {
        if (path.empty())
        {
            ::PostMessage(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
        ::SendMessage(hDialog, CDM_SETCONTROLTEXT, edt1, (LPARAM)path.c_str());
        ::SendMessage(hDialog, CDM_SETCONTROLTEXT, cmb13, (LPARAM)path.c_str());
        ::PostMessage(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
}

// ---- stored trees

std::vector<StoredNode> ReadIniTree(const std::string& file)
{
    std::vector<StoredNode> nodes;
    std::vector<char> names(65536);
    DWORD n = ::GetPrivateProfileSectionNames(names.data(), (DWORD)names.size(), file.c_str());
    for (const char* p = names.data(); p < names.data() + n && *p; p += strlen(p) + 1)
    {
        StoredNode node;
        node.path = p;
        std::vector<char> body(65536);
        DWORD m = ::GetPrivateProfileSection(p, body.data(), (DWORD)body.size(), file.c_str());
        for (const char* q = body.data(); q < body.data() + m && *q; q += strlen(q) + 1)
        {
            std::string line(q);
            size_t eq = line.find('=');
            node.values.emplace_back(line.substr(0, eq), eq == std::string::npos ? "" : line.substr(eq + 1));
        }
        nodes.push_back(node);
    }
    return nodes;
}

namespace
{
void ReadKey(HKEY hKey, const std::string& path, std::vector<StoredNode>& nodes)
{
    StoredNode node;
    node.path = path;
    char szName[1024];
    BYTE data[4096];
    for (DWORD i = 0;; i++)
    {
        DWORD cchName = sizeof szName, cbData = sizeof data - 2, dwType = 0;
        if (::RegEnumValue(hKey, i, szName, &cchName, NULL, &dwType, data, &cbData) != ERROR_SUCCESS)
            break;
        data[cbData] = data[cbData + 1] = 0;
        node.values.emplace_back(szName,
                                 dwType == REG_SZ ? std::string((const char*)data) : std::string("<type>"));
    }
    nodes.push_back(node);
    for (DWORD i = 0;; i++)
    {
        DWORD cchName = sizeof szName;
        if (::RegEnumKeyEx(hKey, i, szName, &cchName, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        HKEY hSub;
        if (::RegOpenKeyEx(hKey, szName, 0, KEY_READ, &hSub) == ERROR_SUCCESS)
        {
            ReadKey(hSub, path + "." + szName, nodes);
            ::RegCloseKey(hSub);
        }
    }
}
} // namespace

std::vector<StoredNode> ReadRegistryTree(HKEY hRoot, const std::string& key)
{
    std::vector<StoredNode> nodes;
    HKEY hKey;
    if (::RegOpenKeyEx(hRoot, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return nodes;
    size_t slash = key.find_last_of('\\');
    ReadKey(hKey, slash == std::string::npos ? key : key.substr(slash + 1), nodes);
    ::RegCloseKey(hKey);
    return nodes;
}

const StoredNode* FindNode(const std::vector<StoredNode>& nodes, const std::string& path)
{
    for (const StoredNode& node : nodes)
        if (node.path == path)
            return &node;
    return NULL;
}

std::string ValueOf(const StoredNode* pNode, const std::string& key)
{
    if (pNode != NULL)
        for (const auto& value : pNode->values)
            if (value.first == key)
                return value.second;
    return "<none>";
}

std::vector<BYTE> DecodeLetters(const std::string& text)
{
    std::vector<BYTE> bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back((BYTE)((text[i] - 'A') | ((text[i + 1] - 'A') << 4)));
    return bytes;
}

std::string EncodeLetters(const void* pData, size_t nSize)
{
    std::string text;
    for (size_t i = 0; i < nSize; i++)
    {
        BYTE b = static_cast<const BYTE*>(pData)[i];
        text += (char)('A' + (b & 0xF));
        text += (char)('A' + (b >> 4));
    }
    return text;
}

void DeleteRegistryTree(HKEY hRoot, const std::string& key)
{
    ::RegDeleteTree(hRoot, key.c_str());
    ::RegDeleteKey(hRoot, key.c_str());
}

// ---- storage of the tests' workspaces

const char kWorkspaceBaseKey[] = "Software\\Tessaron\\DefWorkspace";
const WorkspaceMode kWorkspaceModes[2] = {{SECWorkspaceManagerEx::storeProfile, "INI file"},
                                          {SECWorkspaceManagerEx::storeRegistry, "registry"}};

std::string WorkspaceName(int nMode, const char* stem)
{
    return nMode == SECWorkspaceManagerEx::storeProfile ? TempFolder() + stem + ".wsp" : std::string(stem);
}

namespace
{
std::string NodeKey(const std::string& name, const std::string& path)
{
    std::string key = std::string(kWorkspaceBaseKey) + "\\" + name + "\\" + path;
    std::replace(key.begin(), key.end(), '.', '\\');
    return key;
}
} // namespace

std::vector<StoredNode> StoredTree(int nMode, const std::string& name)
{
    if (nMode == SECWorkspaceManagerEx::storeProfile)
        return ReadIniTree(name);
    return ReadRegistryTree(HKEY_CURRENT_USER, NodeKey(name, "WorkState_v1_2"));
}

void DeleteStoredNode(int nMode, const std::string& name, const std::string& path)
{
    if (nMode != SECWorkspaceManagerEx::storeProfile)
    {
        DeleteRegistryTree(HKEY_CURRENT_USER, NodeKey(name, path));
        return;
    }
    for (const StoredNode& node : ReadIniTree(name))
        if (node.path == path || node.path.compare(0, path.size() + 1, path + ".") == 0)
            ::WritePrivateProfileString(node.path.c_str(), NULL, NULL, name.c_str());
    ::WritePrivateProfileString(NULL, NULL, NULL, name.c_str());
}

void SetStoredValue(int nMode, const std::string& name, const std::string& path, const std::string& key,
                    const std::string& value)
{
    if (nMode == SECWorkspaceManagerEx::storeProfile)
    {
        ::WritePrivateProfileString(path.c_str(), key.c_str(), value.c_str(), name.c_str());
        ::WritePrivateProfileString(NULL, NULL, NULL, name.c_str());
        return;
    }
    std::vector<BYTE> data(value.begin(), value.end());
    data.push_back(0);
    SetStoredRaw(name, path, key, REG_SZ, data);
}

void SetStoredRaw(const std::string& name, const std::string& path, const std::string& key, DWORD dwType,
                  const std::vector<BYTE>& data)
{
    HKEY hKey;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, NodeKey(name, path).c_str(), 0, KEY_SET_VALUE, &hKey) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueEx(hKey, key.c_str(), 0, dwType, data.data(), (DWORD)data.size());
    ::RegCloseKey(hKey);
}

WorkspaceRegistryCleaner::WorkspaceRegistryCleaner()
{
    DeleteRegistryTree(HKEY_CURRENT_USER, kWorkspaceBaseKey);
}

WorkspaceRegistryCleaner::~WorkspaceRegistryCleaner()
{
    DeleteRegistryTree(HKEY_CURRENT_USER, kWorkspaceBaseKey);
    ::RegDeleteKey(HKEY_CURRENT_USER, "Software\\Tessaron");
}
