// The drag tasks of a docking listener: SECDragDropTaskBase hands every step of a drag to a
// drag-drop feature; SECLocalDragDropTask_T tracks the drag in its own modal loop under mouse
// capture, SECOleDragDropTask_T through OLE drag and drop. The feature is not owned here.
#pragma once
#include "uilib/frames/dockengine/DragDropDockingFeature.h"
#include "uilib/frames/dockengine/DragStartCore.h"
#include "OleDataSource.h"
#include "OleDropSource.h"

class SECDragDropTaskBase
{
  public:
    // Construction
    SECDragDropTaskBase() : m_pFeature(NULL)
    {
    }
    virtual ~SECDragDropTaskBase()
    {
    }

    // Overridables: each step goes to the feature.
    virtual BOOL QueryStartDrag(DWORD dwKeys, POINT* pt)
    {
        return m_pFeature != NULL && m_pFeature->QueryStartDrag(dwKeys, pt);
    }
    virtual BOOL BeginDrag(DWORD dwKeys, POINT* pt)
    {
        return m_pFeature != NULL && m_pFeature->BeginDrag(dwKeys, pt);
    }
    virtual BOOL DragMove(DWORD dwKeys, POINT* pt)
    {
        return m_pFeature != NULL && m_pFeature->DragMove(dwKeys, pt);
    }
    virtual BOOL EndDrag(DWORD dwKeys, POINT* pt, BOOL bDropped)
    {
        return m_pFeature != NULL && m_pFeature->EndDrag(dwKeys, pt, bDropped);
    }
    virtual BOOL DoubleClick(DWORD dwKeys, POINT* pt)
    {
        return m_pFeature != NULL && m_pFeature->DoubleClick(dwKeys, pt);
    }

    // Attributes
    void SetDragDropFeature(ISECDragDropFeature* pFeature)
    {
        m_pFeature = pFeature;
    }
    ISECDragDropFeature* GetDragDropFeature() const
    {
        return m_pFeature;
    }

  protected:
    ISECDragDropFeature* m_pFeature;
};

template <class Base>
class SECLocalDragDropTask_T : public SECStartDragCore_T<Base>, public SECDragDropTaskBase
{
  public:
    // Construction
    SECLocalDragDropTask_T() : m_bInDragLoop(FALSE), m_bInStartDrag(FALSE), m_bDeleteAfterLoop(FALSE)
    {
    }

    // Overridables
    BOOL CanStartDrag(DWORD dwKeys, POINT* pt) override
    {
        return QueryStartDrag(dwKeys, pt);
    }
    BOOL OnDragDoubleClick(DWORD dwKeys, POINT* pt) override
    {
        return DoubleClick(dwKeys, pt);
    }
    BOOL StartDrag(DWORD dwKeys, POINT* ptStart, POINT* ptCurrent) override
    {
        if (!BeginDrag(dwKeys, ptStart))
            return FALSE;
        m_bInStartDrag = TRUE;
        POINT pt = *ptCurrent;
        const BOOL bDropped = BeginDragLoop(&dwKeys, &pt);
        EndDrag(dwKeys, &pt, bDropped);
        m_bInStartDrag = FALSE;
        return TRUE;
    }
    // A window that already holds the capture ends the drag at once as cancelled.
    virtual BOOL BeginDragLoop(DWORD* pdwKeys, POINT* pt)
    {
        const HWND hWnd = this->m_hWnd;
        if (hWnd == NULL || ::GetCapture() == hWnd)
            return FALSE;
        ::SetCapture(hWnd);
        ::UpdateWindow(hWnd);
        m_bInDragLoop = TRUE;
        const BOOL bDropped = RunDragLoop(pdwKeys, pt);
        m_bInDragLoop = FALSE;
        if (::GetCapture() == hWnd)
            ::ReleaseCapture();
        return bDropped;
    }
    // TRUE dropped at *pt, FALSE cancelled: Escape, the right button, a lost capture or WM_QUIT
    // (which is posted again for the loop outside).
    virtual BOOL RunDragLoop(DWORD* pdwKeys, POINT* pt)
    {
        const HWND hWnd = this->m_hWnd;
        AfxLockTempMaps();
        DragLoopMove(*pdwKeys, pt);
        BOOL bDropped = FALSE;
        for (;;)
        {
            if (::GetCapture() != hWnd)
                break;
            MSG msg;
            const BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
            if (bGot == 0)
            {
                ::PostQuitMessage((int)msg.wParam);
                break;
            }
            if (bGot == -1)
                break;
            if (msg.message == WM_KEYDOWN)
            {
                if (msg.wParam == VK_ESCAPE)
                    break;
                continue; // no other key reaches a window while dragging
            }
            if (msg.message == WM_MOUSEMOVE)
            {
                *pt = msg.pt;
                DragLoopMove((DWORD)msg.wParam, pt);
                continue;
            }
            if (msg.message == WM_LBUTTONUP)
            {
                *pdwKeys = (DWORD)msg.wParam;
                bDropped = TRUE;
                break;
            }
            if (msg.message == WM_RBUTTONDOWN)
                break;
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        AfxUnlockTempMaps(TRUE);
        return bDropped;
    }
    virtual BOOL DragLoopMove(DWORD dwKeys, POINT* pt)
    {
        return DragMove(dwKeys, pt);
    }

    // Attributes
    // From the drag's start to its end, loop included.
    BOOL IsInDragLoop() const
    {
        return m_bInDragLoop || m_bInStartDrag;
    }
    // For an owner that goes while the drag runs: the task deletes itself once the handler that
    // runs the drag returned.
    void DeleteAfterLoop()
    {
        m_bDeleteAfterLoop = TRUE;
    }

  protected:
    void OnDragMessageDone() override
    {
        if (m_bDeleteAfterLoop && !IsInDragLoop())
            delete this;
    }

    BOOL m_bInDragLoop;
    BOOL m_bInStartDrag;
    BOOL m_bDeleteAfterLoop;
};

// The drop source of an OLE drag: every step of the drag goes on to the task.
class SECOleDropSource : public COleDropSource
{
  public:
    explicit SECOleDropSource(SECDragDropTaskBase* pTask) : m_pTask(pTask)
    {
    }
    SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override
    {
        const SCODE sc = COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
        POINT pt;
        if (!::GetCursorPos(&pt))
            return DRAGDROP_S_CANCEL;
        if (m_pTask == NULL || !m_pTask->DragMove(dwKeyState, &pt))
            return DRAGDROP_S_CANCEL;
        return sc;
    }

  protected:
    SECDragDropTaskBase* m_pTask;
};

template <class Base> class SECOleDragDropTask_T : public SECStartDragCore_T<Base>, public SECDragDropTaskBase
{
  public:
    BOOL CanStartDrag(DWORD dwKeys, POINT* pt) override
    {
        return QueryStartDrag(dwKeys, pt);
    }
    BOOL OnDragDoubleClick(DWORD dwKeys, POINT* pt) override
    {
        return DoubleClick(dwKeys, pt);
    }
    BOOL StartDrag(DWORD dwKeys, POINT* ptStart, POINT*) override
    {
        if (!BeginDrag(dwKeys, ptStart))
            return FALSE;
        SECOleDropSource source(this);
        COleDataSource data;
        const DROPEFFECT effect = data.DoDragDrop(DROPEFFECT_MOVE, NULL, &source);
        POINT pt = {0, 0};
        ::GetCursorPos(&pt);
        EndDrag(dwKeys, &pt, effect != DROPEFFECT_NONE);
        return TRUE;
    }
};
