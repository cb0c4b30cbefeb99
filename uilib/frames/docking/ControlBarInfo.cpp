// SECControlBarInfo: a bar's saved record in the application profile and in an archive.
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/bars/ControlBarManager.h"
#include "uilib/frames/docking/ControlBarInfoEx.h"
#include "uilib/frames/docking/DockState.h"
#include "uilib/common/PersistentTreeNode.h"
#include <cstring>

namespace
{
const UINT kPlacementBytes = 44; // a WINDOWPLACEMENT as the profile keeps it

// What a missing profile value reads as.
enum class Missing
{
    zero,
    zeroNotNegative, // negative values read as 0 too
    current          // the record keeps what it has
};

// The library's integer values after MFC's, in profile order, with "PctWidth", the placement
// and the names handled around them.
struct IntValue
{
    LPCTSTR pszName;
    int (*get)(const SECControlBarInfo&);
    void (*set)(SECControlBarInfo&, int);
    Missing missing;
};

#define SEC_INT_VALUE(name, field, missing)                                                                  \
    {                                                                                                        \
        _T(name), [](const SECControlBarInfo& r) { return (int)r.field; },                                   \
            [](SECControlBarInfo& r, int n) { r.field = (decltype(r.field))n; }, missing                     \
    }

const IntValue kFlagValues[] = {
    SEC_INT_VALUE("Style", m_dwStyle, Missing::zero),
    SEC_INT_VALUE("ExStyle", m_dwExStyle, Missing::zero),
    SEC_INT_VALUE("PrevFloating", m_bPrevFloating, Missing::zero),
    SEC_INT_VALUE("MDIChild", m_bMDIChild, Missing::zero),
};

const IntValue kSizeValues[] = {
    SEC_INT_VALUE("MRUFloatCX", m_szMRUFloat.cx, Missing::zeroNotNegative),
    SEC_INT_VALUE("MRUFloatCY", m_szMRUFloat.cy, Missing::zeroNotNegative),
    SEC_INT_VALUE("MRUHorzDockCX", m_szMRUHorzDock.cx, Missing::zeroNotNegative),
    SEC_INT_VALUE("MRUHorzDockCY", m_szMRUHorzDock.cy, Missing::zeroNotNegative),
    SEC_INT_VALUE("MRUVertDockCX", m_szMRUVertDock.cx, Missing::zeroNotNegative),
    SEC_INT_VALUE("MRUVertDockCY", m_szMRUVertDock.cy, Missing::zeroNotNegative),
    SEC_INT_VALUE("MRUDockingState", m_dwMRUDockingState, Missing::current),
    SEC_INT_VALUE("DockingStyle", m_dwDockingStyle, Missing::current),
    SEC_INT_VALUE("TypeID", m_dwTypeID, Missing::zero),
};

const IntValue kResourceValue = SEC_INT_VALUE("ResourceID", m_dwResourceID, Missing::current);

#undef SEC_INT_VALUE

CString SectionName(LPCTSTR lpszProfileName, int nIndex)
{
    CString strSection;
    strSection.Format(_T("%s-Bar%d"), lpszProfileName, nIndex);
    return strSection;
}

void WriteValues(LPCTSTR lpszSection, const SECControlBarInfo& info, const IntValue* pValues, size_t nCount)
{
    CWinApp* pApp = AfxGetApp();
    for (size_t i = 0; i < nCount; ++i)
        pApp->WriteProfileInt(lpszSection, pValues[i].pszName, pValues[i].get(info));
}

void ReadValues(LPCTSTR lpszSection, SECControlBarInfo& info, const IntValue* pValues, size_t nCount)
{
    CWinApp* pApp = AfxGetApp();
    for (size_t i = 0; i < nCount; ++i)
    {
        const IntValue& v = pValues[i];
        const int nDefault = v.missing == Missing::current ? v.get(info) : 0;
        int n = (int)pApp->GetProfileInt(lpszSection, v.pszName, nDefault);
        if (v.missing == Missing::zeroNotNegative && n < 0)
            n = 0;
        v.set(info, n);
    }
}

void WriteSize(CArchive& ar, const CSize& size)
{
    ar << (LONG)size.cx << (LONG)size.cy;
}

void ReadSize(CArchive& ar, CSize& size)
{
    LONG cx, cy;
    ar >> cx >> cy;
    size = CSize(cx, cy);
}
} // namespace

SECControlBarInfo::SECControlBarInfo()
    : m_szMRUHorzDock(0, 0), m_szInMemory(0, 0), m_szMRUVertDock(0, 0), m_szMRUFloat(0, 0),
      m_dwMRUDockingState(0), m_dwDockingStyle(0), m_fPctWidth(0.0f), m_dwStyle(0), m_dwExStyle(0),
      m_bPrevFloating(FALSE), m_bMDIChild(FALSE), m_wpMDIChild(), m_dwResourceID(0), m_pInfoEx(NULL),
      m_dwTypeID(0), m_pManager(NULL)
{
}

SECControlBarInfo::~SECControlBarInfo()
{
    delete m_pInfoEx;
}

CString SECControlBarInfo::FormatPctWidth(float fPctWidth)
{
    // In float arithmetic, as the share is kept: 0.333333f gives 333333.
    const float fMillionths = fPctWidth * 1000000.0f;
    CString str;
    str.Format(_T("%d"), (int)fMillionths);
    return str;
}

float SECControlBarInfo::ParsePctWidth(LPCTSTR lpszText)
{
    const float fPct = (float)(_ttoi(lpszText) * 0.000001);
    return fPct < 0.0f ? 0.0f : fPct;
}

BOOL SECControlBarInfo::SaveStateToProfile(LPCTSTR lpszProfileName, int nIndex)
{
    if (!CControlBarInfo::SaveState(lpszProfileName, nIndex))
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    const CString strSection = SectionName(lpszProfileName, nIndex);
    WriteValues(strSection, *this, kFlagValues, sizeof(kFlagValues) / sizeof(kFlagValues[0]));
    if (m_bMDIChild)
    {
        WINDOWPLACEMENT wp = m_wpMDIChild;
        pApp->WriteProfileBinary(strSection, _T("MDIChildWindowPlacement"), (LPBYTE)&wp, kPlacementBytes);
    }
    pApp->WriteProfileString(strSection, _T("PctWidth"), FormatPctWidth(m_fPctWidth));
    WriteValues(strSection, *this, kSizeValues, sizeof(kSizeValues) / sizeof(kSizeValues[0]));
    pApp->WriteProfileString(strSection, _T("ClassName"), m_strClassName);
    pApp->WriteProfileString(strSection, _T("WindowName"), m_strWindowName);
    WriteValues(strSection, *this, &kResourceValue, 1);
    if (m_pInfoEx != NULL)
        m_pInfoEx->SaveStateToProfile(strSection);
    return TRUE;
}

BOOL SECControlBarInfo::LoadStateFromProfile(LPCTSTR lpszProfileName, int nIndex, SECDockState* pDockState)
{
    const BOOL bResult = CControlBarInfo::LoadState(lpszProfileName, nIndex, pDockState);
    CWinApp* pApp = AfxGetApp();
    const CString strSection = SectionName(lpszProfileName, nIndex);
    ReadValues(strSection, *this, kFlagValues, sizeof(kFlagValues) / sizeof(kFlagValues[0]));
    if (m_bMDIChild)
    {
        LPBYTE pData = NULL;
        UINT nBytes = 0;
        if (pApp->GetProfileBinary(strSection, _T("MDIChildWindowPlacement"), &pData, &nBytes) &&
            pData != NULL)
        {
            std::memcpy(&m_wpMDIChild, pData, nBytes < kPlacementBytes ? nBytes : kPlacementBytes);
            delete[] pData;
        }
    }
    m_fPctWidth = ParsePctWidth(pApp->GetProfileString(strSection, _T("PctWidth"), _T("0")));
    ReadValues(strSection, *this, kSizeValues, sizeof(kSizeValues) / sizeof(kSizeValues[0]));
    m_strClassName = pApp->GetProfileString(strSection, _T("ClassName"), _T(""));
    m_strWindowName = pApp->GetProfileString(strSection, _T("WindowName"), _T(""));
    ReadValues(strSection, *this, &kResourceValue, 1);
    if (m_pManager != NULL)
    {
        delete m_pInfoEx;
        m_pInfoEx = m_pManager->CreateBarInfo(this);
        if (m_pInfoEx != NULL)
            m_pInfoEx->LoadStateFromProfile(strSection, pDockState);
    }
    return bResult;
}

void SECControlBarInfo::Serialize(CArchive& ar, SECDockState* pDockState)
{
    SerializeHead(ar, pDockState);
    if (ar.IsStoring())
    {
        ar << m_dwStyle << m_dwExStyle << (DWORD)m_bPrevFloating << (DWORD)m_bMDIChild;
        ar << FormatPctWidth(m_fPctWidth);
        WriteSize(ar, m_szMRUFloat);
        WriteSize(ar, m_szMRUHorzDock);
        WriteSize(ar, m_szMRUVertDock);
        ar << m_dwMRUDockingState << m_dwDockingStyle << m_dwTypeID;
        if (m_pInfoEx != NULL)
            m_pInfoEx->Serialize(ar, pDockState);
    }
    else
    {
        DWORD dw;
        ar >> m_dwStyle >> m_dwExStyle >> dw;
        m_bPrevFloating = (BOOL)dw;
        ar >> dw;
        m_bMDIChild = (BOOL)dw;
        CString strPct;
        ar >> strPct;
        m_fPctWidth = ParsePctWidth(strPct);
        ReadSize(ar, m_szMRUFloat);
        ReadSize(ar, m_szMRUHorzDock);
        ReadSize(ar, m_szMRUVertDock);
        ar >> m_dwMRUDockingState >> m_dwDockingStyle >> m_dwTypeID;
        if (m_pManager != NULL)
        {
            delete m_pInfoEx;
            m_pInfoEx = m_pManager->CreateBarInfo(this);
            if (m_pInfoEx != NULL)
                m_pInfoEx->Serialize(ar, pDockState);
        }
    }
    SerializeBarIDs(ar);
}

// ---- the state tree

namespace
{

SECPersistentTreeNode* const kNoNode = NULL;

int TreeInt(SECPersistentTreeNode* pNode, LPCTSTR lpszKey, int nDefault)
{
    int n = nDefault;
    pNode->GetKeyValue(lpszKey, n, nDefault);
    return n;
}

// A bar's node of a state tree, with the keys of its profile section.
class TreeStore : public CControlBarInfo::KeyStore
{
  public:
    explicit TreeStore(SECPersistentTreeNode* pNode) : m_pNode(pNode)
    {
    }
    void WriteInt(LPCTSTR lpszKey, int nValue) override
    {
        m_pNode->SetKeyValue(lpszKey, nValue);
    }
    int ReadInt(LPCTSTR lpszKey, int nDefault) override
    {
        return TreeInt(m_pNode, lpszKey, nDefault);
    }
    BOOL ReadIntIfPresent(LPCTSTR lpszKey, int* pnValue) override
    {
        return m_pNode->GetKeyValue(lpszKey, *pnValue, 0) == SECPTN_OK;
    }

  private:
    SECPersistentTreeNode* m_pNode;
};

void WriteTreeValues(SECPersistentTreeNode* pNode, const SECControlBarInfo& info, const IntValue* pValues,
                     size_t nCount)
{
    for (size_t i = 0; i < nCount; ++i)
        pNode->SetKeyValue(pValues[i].pszName, pValues[i].get(info));
}

void ReadTreeValues(SECPersistentTreeNode* pNode, SECControlBarInfo& info, const IntValue* pValues,
                    size_t nCount)
{
    for (size_t i = 0; i < nCount; ++i)
    {
        const IntValue& v = pValues[i];
        int n = TreeInt(pNode, v.pszName, v.missing == Missing::current ? v.get(info) : 0);
        if (v.missing == Missing::zeroNotNegative && n < 0)
            n = 0;
        v.set(info, n);
    }
}

} // namespace

BOOL SECControlBarInfo::IsDeclined() const
{
    return IsDefaultDockBar();
}

BOOL SECControlBarInfo::SaveStateToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pParent, int nIndex)
{
    if (pFactory == NULL || pParent == NULL || IsDeclined())
        return FALSE;
    CString strName;
    strName.Format(_T("Bar-%d"), nIndex);
    SECPersistentTreeNode* pNode = pFactory->CreateNode(strName, pParent);
    if (pNode == kNoNode)
        return FALSE;
    SaveBaseToTree(pFactory, pNode);
    SaveExtraToTree(pFactory, pNode);
    if (m_pInfoEx != NULL)
        m_pInfoEx->SaveStateToTree(pFactory, pNode);
    return TRUE;
}

void SECControlBarInfo::SaveBaseToTree(SECPTNFactory*, SECPersistentTreeNode* pNode)
{
    TreeStore store(pNode);
    WriteKeys(store);
}

void SECControlBarInfo::SaveExtraToTree(SECPTNFactory*, SECPersistentTreeNode* pNode)
{
    pNode->SetKeyValue(_T("Style"), (int)m_dwStyle);
    pNode->SetKeyValue(_T("ExStyle"), (int)m_dwExStyle);
    pNode->SetKeyValue(_T("PrevFloating"), m_bPrevFloating != FALSE);
    pNode->SetKeyValue(_T("MDIChild"), m_bMDIChild != FALSE);
    if (m_bMDIChild)
    {
        WINDOWPLACEMENT wp = m_wpMDIChild;
        pNode->SetKeyValue(_T("MDIChildWindowPlacement"), &wp, kPlacementBytes, TRUE);
    }
    pNode->SetKeyValue(_T("PctWidth"), static_cast<LPCTSTR>(FormatPctWidth(m_fPctWidth)));
    WriteTreeValues(pNode, *this, kSizeValues, sizeof(kSizeValues) / sizeof(kSizeValues[0]));
    pNode->SetKeyValue(_T("ClassName"), static_cast<LPCTSTR>(m_strClassName));
    pNode->SetKeyValue(_T("WindowName"), static_cast<LPCTSTR>(m_strWindowName));
    WriteTreeValues(pNode, *this, &kResourceValue, 1);
}

void SECControlBarInfo::LoadStateFromTree(SECPersistentTreeNode* pNode, SECDockState* pDockState)
{
    if (pNode == NULL)
        return;
    LoadBaseFromTree(pNode, pDockState);
    LoadExtraFromTree(pNode, pDockState);
    if (m_pManager != NULL)
    {
        delete m_pInfoEx;
        m_pInfoEx = m_pManager->CreateBarInfo(this);
        if (m_pInfoEx != NULL)
            m_pInfoEx->LoadStateFromTree(pNode);
    }
}

void SECControlBarInfo::LoadBaseFromTree(SECPersistentTreeNode* pNode, SECDockState* pDockState)
{
    TreeStore store(pNode);
    m_nBarID = (UINT)store.ReadInt(_T("BarID"), 0);
    ReadKeys(store, pDockState);
}

void SECControlBarInfo::LoadExtraFromTree(SECPersistentTreeNode* pNode, SECDockState*)
{
    m_dwStyle = (DWORD)TreeInt(pNode, _T("Style"), 0);
    m_dwExStyle = (DWORD)TreeInt(pNode, _T("ExStyle"), 0);
    bool bValue = false;
    pNode->GetKeyValue(_T("PrevFloating"), bValue, false);
    m_bPrevFloating = bValue;
    pNode->GetKeyValue(_T("MDIChild"), bValue, false);
    m_bMDIChild = bValue;
    if (m_bMDIChild)
    {
        void* pData = NULL;
        UINT nBytes = 0;
        if (pNode->GetKeyValue(_T("MDIChildWindowPlacement"), &pData, &nBytes) == SECPTN_OK && pData != NULL)
        {
            std::memcpy(&m_wpMDIChild, pData, nBytes < kPlacementBytes ? nBytes : kPlacementBytes);
            delete[] static_cast<BYTE*>(pData);
        }
    }
    CString strPct;
    pNode->GetKeyValue(_T("PctWidth"), strPct, _T("0"));
    m_fPctWidth = ParsePctWidth(strPct);
    ReadTreeValues(pNode, *this, kSizeValues, sizeof(kSizeValues) / sizeof(kSizeValues[0]));
    pNode->GetKeyValue(_T("ClassName"), m_strClassName, _T(""));
    pNode->GetKeyValue(_T("WindowName"), m_strWindowName, _T(""));
    ReadTreeValues(pNode, *this, &kResourceValue, 1);
}
