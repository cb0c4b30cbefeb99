// CCmdTarget: the root of every object that receives commands, with its message map, command
// routing (OnCmdMsg), CCmdUI for command-state updates and the wait cursor.
//
// Differences from MFC:
// - No OLE automation, dispatch maps, connection points or interface maps.
// - Handler pointers in map entries are stored through AfxMsgFn (a bit copy), not C casts.
// - The radio mark of menu items is one shared bitmap reached through AfxGetMenuDotBitmap and
//   AfxSetMenuDotBitmap (MFC keeps it in its global data).
#pragma once
#include "afx.h"
#include "FrameworkIds.h"

class CCmdTarget;
class CCmdUI;
class CWnd;
class CMenu;

typedef void (CCmdTarget::*AFX_PMSG)();
#define afx_msg
#define AFX_MSG_CALL

// Turns a handler of any signature into the stored form; the signature enum tells how to call it.
template <class F> inline AFX_PMSG AfxMsgFn(F f)
{
    static_assert(sizeof(F) == sizeof(AFX_PMSG), "member pointer layout");
    AFX_PMSG p;
    memcpy(&p, &f, sizeof(p));
    return p;
}

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message, or WM_COMMAND / WM_NOTIFY for commands and notifications
    UINT nCode;    // control code or WM_NOTIFY code
    UINT nID;      // control id (0 for window messages)
    UINT nLastID;  // last id of a range
    UINT_PTR nSig; // signature (AfxSig_*), or a pointer to a registered message number
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)(); // NULL for a map without base
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by OnCmdMsg when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// pExtra of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT ((UINT)(-2))

// Messages reflected back to the child control that sent them.
#define WM_REFLECT_BASE 0xBC00
#define WM_CTLCOLOR 0x0019

#define DECLARE_MESSAGE_MAP()                                                                                \
  protected:                                                                                                 \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                                     \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                                   \
    {                                                                                                        \
        typedef theClass ThisClass;                                                                          \
        typedef baseClass TheBaseClass;                                                                      \
        (void)sizeof(ThisClass*);                                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, 0, (AFX_PMSG)0                                                                           \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// The map of a class template, for all its instantiations.
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                           \
    template <typename type_name> const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const               \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    template <typename type_name> const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap()          \
    {                                                                                                        \
        typedef theClass<type_name> ThisClass;                                                               \
        typedef baseClass TheBaseClass;                                                                      \
        (void)sizeof(ThisClass*);                                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

// A map that does not chain to any base map.
#define BEGIN_MESSAGE_MAP_NOBASE(theClass)                                                                   \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                                   \
    {                                                                                                        \
        typedef theClass ThisClass;                                                                          \
        (void)sizeof(ThisClass*);                                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP_NOBASE()                                                                             \
    {                                                                                                        \
        0, 0, 0, 0, 0, (AFX_PMSG)0                                                                           \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {NULL, &_messageEntries[0]};                                        \
    return &messageMap;                                                                                      \
    }

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)

  public:
    // Construction
    CCmdTarget();
    ~CCmdTarget() override;

    // Operations
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Overridables
    // Routes a command (nCode CN_COMMAND, CN_UPDATE_COMMAND_UI, a control code, or
    // MAKELONG(code, WM_NOTIFY)); TRUE when a handler took it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Implementation
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_MSGMAP_ENTRY* PASCAL FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg,
                                                           UINT nCode, UINT nID);
};

// Updates the state of one user-interface item (menu item, toolbar button, control) for a command.
class CCmdUI
{
  public:
    // Construction
    CCmdUI();
    virtual ~CCmdUI() = default;

    // Operations
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1); // 0 off, 1 on, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting()
    {
        m_bContinueRouting = TRUE;
    }

    // Asks pTarget's update handlers; without one, disables the item when bDisableIfNoHndler
    // and no command handler exists either.
    void DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // Implementation
    UINT m_nID;
    UINT m_nIndex;
    CMenu* m_pMenu;
    CMenu* m_pSubMenu;
    CWnd* m_pOther;
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;
    CMenu* m_pParentMenu;
};

// Only records whether a command is enabled (the test before a menu command runs).
class CTestCmdUI : public CCmdUI
{
  public:
    CTestCmdUI() : m_bEnabled(TRUE)
    {
    }
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override
    {
    }
    void SetRadio(BOOL) override
    {
    }
    void SetText(LPCTSTR) override
    {
    }
    BOOL m_bEnabled;
};

// The mark CCmdUI::SetRadio gives menu items (with SetMenuItemBitmaps): a round dot of the menu
// check size, made on first use. AfxSetMenuDotBitmap puts another in its place for items set
// from then on and returns the one it replaced; the caller owns the bitmap it set and puts the
// old one back before deleting it.
HBITMAP AFXAPI AfxGetMenuDotBitmap();
HBITMAP AFXAPI AfxSetMenuDotBitmap(HBITMAP hBitmap);

// Shows the wait cursor for its lifetime.
class CWaitCursor
{
  public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();
};

#include "AfxMsg.h"
