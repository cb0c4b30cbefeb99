// COleFrameHook: what an in-place active item attaches to the frame around it (m_pNotifyHook).
// The frame tells it of activation, layout and keyboard messages; the hook detaches itself from
// the frame when destroyed.
//
// Differences from MFC:
// - This program embeds no in-place servers, so nothing in the framework creates a hook; the
//   overridables do nothing by default and exist for the frames that test for a hook.
#pragma once
#include "CmdTarget.h"

class CFrameWnd;
class COleClientItem;

class COleFrameHook : public CCmdTarget
{
    DECLARE_DYNAMIC(COleFrameHook)

  public:
    // Construction
    // Hooks itself into pFrameWnd (which must not have a hook yet).
    COleFrameHook(CFrameWnd* pFrameWnd, COleClientItem* pItem);
    ~COleFrameHook() override;
    COleFrameHook(const COleFrameHook&) = delete;
    COleFrameHook& operator=(const COleFrameHook&) = delete;

    // Overridables
    virtual BOOL OnPreTranslateMessage(MSG* pMsg);
    virtual void OnRecalcLayout();
    virtual void OnActivate(BOOL bActive);
    virtual void OnDocActivate(BOOL bActive);

    // Implementation
    CFrameWnd* m_pFrameWnd;
    COleClientItem* m_pActiveItem;
};
