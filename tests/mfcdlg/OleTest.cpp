// OLE data transfer: formats put on Wine's clipboard with COleDataSource, rendered at once or on
// request, read back with COleDataObject; and a drag from one window to another that the drop
// target's view receives.
#include "DlgTestApp.h"
#include "afxole.h"
#include "SharedFile.h"
#include "TestSupport.h"
#include <string>

using namespace testing_support;

namespace
{
const char kText[] = "Hallo Zwischenablage";
const BYTE kBytes[] = {0x01, 0x00, 0xFF, 0x7F, 0x42, 0x00, 0x10};

CLIPFORMAT RegisteredFormat()
{
    return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("Helvon Testdaten"));
}

HGLOBAL GlobalCopy(const void* p, size_t n)
{
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(::GlobalLock(h), p, n);
    ::GlobalUnlock(h);
    return h;
}

std::string GlobalText(HGLOBAL h)
{
    std::string s(static_cast<const char*>(::GlobalLock(h)));
    ::GlobalUnlock(h);
    return s;
}

std::string FileBytes(CFile* pFile, UINT n)
{
    std::string s(n, '\0');
    s.resize(pFile->Read(&s[0], n));
    return s;
}

// Renders both formats only when asked, counting the requests.
class CDelayedSource : public COleDataSource
{
  public:
    CDelayedSource(int* pGlobalCalls, int* pFileCalls)
        : m_pGlobalCalls(pGlobalCalls), m_pFileCalls(pFileCalls)
    {
    }
    BOOL OnRenderGlobalData(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal) override
    {
        if (lpFormatEtc->cfFormat != CF_TEXT)
            return FALSE;
        ++*m_pGlobalCalls;
        *phGlobal = GlobalCopy(kText, sizeof(kText));
        return TRUE;
    }
    BOOL OnRenderFileData(LPFORMATETC lpFormatEtc, CFile* pFile) override
    {
        if (lpFormatEtc->cfFormat != RegisteredFormat())
            return FALSE;
        ++*m_pFileCalls;
        pFile->Write(kBytes, sizeof(kBytes));
        return TRUE;
    }
    int* m_pGlobalCalls;
    int* m_pFileCalls;
};

class OleTransfer : public ::testing::TestWithParam<bool>
{
  protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(AfxOleInit());
    }
    void TearDown() override
    {
        ::OleSetClipboard(NULL);
        if (::OpenClipboard(NULL))
        {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
    }
    MessageBoxes m_boxes;
};

TEST_P(OleTransfer, TwoFormatsComeBackFromTheClipboard)
{
    const bool bDelayed = GetParam();
    int nGlobalCalls = 0, nFileCalls = 0;
    COleDataSource* pSource;
    if (bDelayed)
    {
        pSource = new CDelayedSource(&nGlobalCalls, &nFileCalls);
        pSource->DelayRenderData(CF_TEXT);
        pSource->DelayRenderFileData(RegisteredFormat());
    }
    else
    {
        pSource = new COleDataSource;
        pSource->CacheGlobalData(CF_TEXT, GlobalCopy(kText, sizeof(kText)));
        pSource->CacheGlobalData(RegisteredFormat(), GlobalCopy(kBytes, sizeof(kBytes)));
    }
    pSource->SetClipboard();
    EXPECT_EQ(pSource, COleDataSource::GetClipboardOwner());
    EXPECT_EQ(0, nGlobalCalls + nFileCalls); // nothing rendered before someone asks

    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_TRUE(data.IsDataAvailable(RegisteredFormat()));
    EXPECT_FALSE(data.IsDataAvailable(CF_BITMAP));

    HGLOBAL hText = data.GetGlobalData(CF_TEXT);
    ASSERT_NE(nullptr, hText);
    EXPECT_EQ(kText, GlobalText(hText));
    ::GlobalFree(hText);

    CFile* pFile = data.GetFileData(RegisteredFormat());
    ASSERT_NE(nullptr, pFile);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kBytes), sizeof(kBytes)),
              FileBytes(pFile, sizeof(kBytes)));
    delete pFile;

    STGMEDIUM medium;
    EXPECT_FALSE(data.GetData(CF_BITMAP, &medium));
    EXPECT_EQ(nullptr, data.GetFileData(CF_DIB));
    if (bDelayed)
    {
        EXPECT_GE(nGlobalCalls, 1);
        EXPECT_GE(nFileCalls, 1);
    }
    data.Release();

    // Flushed, the data stays on the system clipboard for plain Win32 readers.
    COleDataSource::FlushClipboard();
    EXPECT_EQ(nullptr, COleDataSource::GetClipboardOwner());
    ASSERT_TRUE(::OpenClipboard(NULL));
    HANDLE hPlain = ::GetClipboardData(CF_TEXT);
    EXPECT_EQ(kText, hPlain != NULL ? GlobalText(hPlain) : std::string());
    HANDLE hRegistered = ::GetClipboardData(RegisteredFormat());
    ASSERT_NE(nullptr, hRegistered);
    EXPECT_EQ(0, memcmp(::GlobalLock(hRegistered), kBytes, sizeof(kBytes)));
    ::GlobalUnlock(hRegistered);
    ::CloseClipboard();
}

INSTANTIATE_TEST_SUITE_P(Rendering, OleTransfer, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Delayed" : "Immediate";
                         });

// A view that accepts text and keeps what is dropped on it.
class CDropView : public CView
{
  public:
    void OnDraw(CDC*) override
    {
    }
    DWORD OnDragEnter(COleDataObject* pData, DWORD, CPoint) override
    {
        ++m_nEnters;
        return pData->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    DWORD OnDragOver(COleDataObject* pData, DWORD, CPoint) override
    {
        return pData->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    BOOL OnDrop(COleDataObject* pData, DWORD dropEffect, CPoint point) override
    {
        HGLOBAL h = pData->GetGlobalData(CF_TEXT);
        if (h == NULL)
            return FALSE;
        m_strDropped = GlobalText(h).c_str();
        ::GlobalFree(h);
        m_dropEffect = dropEffect;
        m_ptDrop = point;
        return TRUE;
    }
    int m_nEnters = 0;
    CString m_strDropped;
    DWORD m_dropEffect = 0;
    CPoint m_ptDrop;
};

// Moves the cursor from the source to the target window, lets the tracker see it there, then drops.
class CScriptedDropSource : public COleDropSource
{
  public:
    CScriptedDropSource(CPoint from, CPoint to) : m_from(from), m_to(to)
    {
    }
    SCODE QueryContinueDrag(BOOL, DWORD) override
    {
        ++m_nCalls;
        if (m_nCalls == 1)
            ::SetCursorPos(m_from.x, m_from.y);
        else if (m_nCalls == 3)
            ::SetCursorPos(m_to.x, m_to.y);
        else if (m_nCalls >= 8)
            return DRAGDROP_S_DROP;
        return S_OK;
    }
    CPoint m_from, m_to;
    int m_nCalls = 0;
};

struct DragWindows
{
    DragWindows()
    {
        pSourceFrame = new CFrameWnd;
        pSourceFrame->Create(NULL, _T("Quelle"), WS_POPUP | WS_VISIBLE, CRect(20, 500, 220, 650));
        pTargetFrame = new CFrameWnd;
        pTargetFrame->Create(NULL, _T("Ziel"), WS_POPUP | WS_VISIBLE, CRect(400, 500, 600, 650));
        pView = new CDropView;
        pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150), pTargetFrame,
                      AFX_IDW_PANE_FIRST);
        pTargetFrame->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        PumpMessages(50);
    }
    ~DragWindows()
    {
        target.Revoke();
        pSourceFrame->DestroyWindow();
        pTargetFrame->DestroyWindow();
    }
    CFrameWnd* pSourceFrame;
    CFrameWnd* pTargetFrame;
    CDropView* pView;
    COleDropTarget target;
};

TEST_F(OleTransfer, DragBetweenTwoWindowsDeliversTheData)
{
    DragWindows windows;
    ASSERT_TRUE(windows.target.Register(windows.pView));
    EXPECT_FALSE(windows.target.Register(windows.pView)); // once only

    COleDataSource source; // a drag's source may live on the stack
    source.CacheGlobalData(CF_TEXT, GlobalCopy(kText, sizeof(kText)));
    CScriptedDropSource dropSource(CPoint(120, 575), CPoint(450, 560));
    ::SetCursorPos(120, 575);
    DROPEFFECT effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, NULL, &dropSource);

    EXPECT_EQ(DROPEFFECT_COPY, effect);
    EXPECT_EQ(1, windows.pView->m_nEnters);
    EXPECT_EQ(kText, windows.pView->m_strDropped);
    EXPECT_EQ(DROPEFFECT_COPY, windows.pView->m_dropEffect);
    EXPECT_NEAR(50, windows.pView->m_ptDrop.x, 2); // in the view's client coordinates
    EXPECT_NEAR(60, windows.pView->m_ptDrop.y, 2);
}

TEST_F(OleTransfer, EscapeCancelsAndADropOutsideAnyTargetGivesNone)
{
    COleDropSource plain;
    EXPECT_EQ(DRAGDROP_S_CANCEL, plain.QueryContinueDrag(TRUE, MK_LBUTTON));
    EXPECT_EQ(S_OK, plain.QueryContinueDrag(FALSE, MK_LBUTTON));
    EXPECT_EQ(DRAGDROP_S_CANCEL, plain.QueryContinueDrag(FALSE, MK_LBUTTON | MK_RBUTTON)); // other button

    DragWindows windows;
    ASSERT_TRUE(windows.target.Register(windows.pView));
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalCopy(kText, sizeof(kText)));
    // Dropped over the source window, which takes no drops.
    CScriptedDropSource dropSource(CPoint(120, 575), CPoint(100, 560));
    ::SetCursorPos(120, 575);
    EXPECT_EQ(DROPEFFECT_NONE, source.DoDragDrop(DROPEFFECT_COPY, NULL, &dropSource));
    EXPECT_EQ(0, windows.pView->m_nEnters);
    EXPECT_TRUE(windows.pView->m_strDropped.IsEmpty());
}

// A frame hook hooks and unhooks itself; a document finds the item active in a view and
// deactivates it when the view's frame closes.
class CActiveItem : public COleClientItem
{
  public:
    explicit CActiveItem(COleDocument* pDoc) : COleClientItem(pDoc)
    {
    }
    void ActivateIn(CView* pView)
    {
        m_nItemState = activeUIState;
        m_pView = pView;
    }
};

TEST(OleDocument, InPlaceItemsThroughTheCloseSequence)
{
    COleDocument* pDoc = new COleDocument;
    pDoc->m_bAutoDelete = FALSE;
    CActiveItem* pItem = new CActiveItem(pDoc);
    EXPECT_EQ(pDoc, pItem->GetDocument());
    DragWindows windows;
    EXPECT_EQ(nullptr, pDoc->GetInPlaceActiveItem(windows.pView));
    pItem->ActivateIn(windows.pView);
    EXPECT_EQ(pItem, pDoc->GetInPlaceActiveItem(windows.pView));
    EXPECT_EQ(nullptr, pDoc->GetInPlaceActiveItem(windows.pSourceFrame));
    EXPECT_EQ((UINT)COleClientItem::activeUIState, pItem->GetItemState());

    {
        COleFrameHook hook(windows.pTargetFrame, pItem);
        EXPECT_EQ(&hook, windows.pTargetFrame->m_pNotifyHook);
    }
    EXPECT_EQ(nullptr, windows.pTargetFrame->m_pNotifyHook);

    EXPECT_TRUE(pDoc->CanCloseFrame(windows.pTargetFrame));
    EXPECT_FALSE(pItem->IsInPlaceActive());
    EXPECT_EQ(nullptr, pDoc->GetInPlaceActiveItem(windows.pView));

    pDoc->DeleteContents(); // deletes the item
    POSITION pos = pDoc->GetStartPosition();
    EXPECT_EQ(nullptr, pos);
    delete pDoc;
}
} // namespace
