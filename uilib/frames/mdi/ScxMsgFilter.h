// nsSysCommandEx::ScxMsgFilter: carries out the extended system commands a frame receives: it
// changes a document frame between MDI child, docked and floating through the document template,
// and builds, shows and answers the state menu. Owned by the frame's root filter (id 257).
#pragma once
#include "uilib/frames/mdi/MsgFilter.h"
#include "uilib/frames/mdi/DockPlacement.h"
#include "uilib/frames/mdi/SysCommandEx.h"

class SECMultiDocTemplate;

namespace nsSysCommandEx
{
class ScxMsgFilter : public SECMsgFilter
{
    DECLARE_DYNCREATE(ScxMsgFilter)

  public:
    // Construction
    ScxMsgFilter();
    ScxMsgFilter(const ScxMsgFilter& other);

    // Overridables (after the inherited ones, in this order)
    SECMsgFilter* Clone() const override;
    UINT OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual UINT ShowStateMenu(ScxCommandRecord* pRecord, LRESULT* pResult);
    virtual UINT BuildStateMenuForRecord(ScxCommandRecord* pRecord, LRESULT* pResult);
    virtual UINT ExecuteCommand(ScxCommandRecord* pRecord, LRESULT* pResult);
    virtual HMENU GetStateMenu(ScxCommandRecord* pRecord);
    virtual int TrackStateMenu(HMENU hMenu, ScxCommandRecord* pRecord);
    virtual void SendChosenState(int nState, ScxCommandRecord* pRecord);
    virtual HMENU BuildStateMenu(int nCurrentState);
    virtual HMENU GetMenuForRecord(ScxCommandRecord* pRecord);
    virtual CFrameWnd* MakeMDIChild(CFrameWnd* pFrame, int nCurrent, int nTarget,
                                    SECMultiDocTemplate* pTemplate, ScxCommandRecord* pRecord);
    virtual CFrameWnd* MakeDocked(CFrameWnd* pFrame, int nCurrent, int nTarget,
                                  SECMultiDocTemplate* pTemplate, ScxCommandRecord* pRecord);
    virtual CFrameWnd* MakeFloating(CFrameWnd* pFrame, int nCurrent, int nTarget,
                                    SECMultiDocTemplate* pTemplate, ScxCommandRecord* pRecord);
    virtual CFrameWnd* ToggleThroughTemplate(CFrameWnd* pFrame, SECMultiDocTemplate* pTemplate);
    virtual CFrameWnd* FloatDockedBar(CFrameWnd* pFrame, ScxCommandRecord* pRecord);
    virtual CFrameWnd* DockThroughTemplate(CFrameWnd* pFrame, SECMultiDocTemplate* pTemplate, UINT nDockBarID,
                                           const SECDockBarPosition* pPos, const SECDockSizeRecord* pSize);
    virtual int GetStateGroup(int nState);
    virtual int GetDefaultTarget(int nCurrent);
    virtual int GetCurrentState(CFrameWnd* pFrame, SECMultiDocTemplate* pTemplate);
    virtual SECMultiDocTemplate* FindTemplate(ScxCommandRecord* pRecord, CRuntimeClass* pClass);
    virtual BOOL RunsOnCopy(UINT nCommand);

    // Implementation
  protected:
    BOOL m_bCopy; // a temporary copy carrying out one command
};
} // namespace nsSysCommandEx
