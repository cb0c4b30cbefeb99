// SECMsgFilter: one node of a per-window tree of message filters. A window owns its root filter
// (id -1) and hands it the messages it processes; each filter passes them on to its children
// and answers with a result word saying whether the window may still run its default handling.
#pragma once
#include "afxwin.h"

class SECMsgFilter : public CObject
{
    DECLARE_DYNCREATE(SECMsgFilter)

  public:
    // Result bits of FilterMessage.
    enum
    {
        resultHandled = 0x1, // the window skips its default processing
        resultCaption = 0x6, // set with resultHandled by a caption control that took the message
        resultStop = 0x8     // no later sibling sees the message
    };

    // Descriptor flag: disabling through the descriptor leaves the filter enabled.
    enum
    {
        descKeepEnabled = 0x1
    };

    // One entry of a filter table: which filter (by id and class) goes below which parent.
    class Descriptor
    {
      public:
        Descriptor(UINT nID = 0, UINT nParentID = (UINT)-1, CRuntimeClass* pClass = NULL, DWORD dwFlags = 0);
        virtual ~Descriptor() = default;
        virtual Descriptor* Clone() const;

        UINT m_nID;
        UINT m_nParentID; // (UINT)-1: the filter the table is applied to
        CRuntimeClass* m_pClass;
        DWORD m_dwFlags;
    };

    // Owns its descriptors. Stored as the count, then per descriptor its id, parent id, class
    // name (empty for none) and flags.
    class DescriptorTable : public CArray<Descriptor*, Descriptor*>
    {
      public:
        DescriptorTable() = default;
        ~DescriptorTable() override;
        DescriptorTable(const DescriptorTable&) = delete;
        DescriptorTable& operator=(const DescriptorTable&) = delete;

        void RemoveAllDescriptors();
        void Serialize(CArchive& ar) override;
    };

    // Construction
    SECMsgFilter();
    SECMsgFilter(const SECMsgFilter& other); // clones the children, owns the clones
    SECMsgFilter& operator=(const SECMsgFilter&) = delete;
    ~SECMsgFilter() override;

    // Overridables, in this order
    virtual SECMsgFilter* Clone() const;
    virtual void Reserved();
    virtual void SetWindow(CWnd* pWnd, BOOL bRecurse);
    virtual UINT FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual UINT OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual UINT DispatchToChildren(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual SECMsgFilter* FindOrCreateFilter(UINT nID, CRuntimeClass* pClass, int nDepth);
    virtual void ApplyDescriptor(const Descriptor& desc, BOOL bEnable);
    virtual void ApplyDescriptorTable(const DescriptorTable& table, const BOOL* pEnables);
    virtual void ApplyDescriptorTableAll(const DescriptorTable& table, BOOL bEnable);

    // Operations
    // Deletes a window's root filter; while filters are at work on this thread (a command they
    // sent destroys the window), only when the outermost one returns.
    static void DeleteRoot(SECMsgFilter* pRoot);
    // Filters the message the window's thread is processing now.
    UINT FilterMessage(LRESULT* pResult = NULL);
    UINT GetID() const
    {
        return m_nID;
    }
    void SetID(UINT nID)
    {
        m_nID = nID;
    }
    BOOL IsEnabled() const
    {
        return m_bEnabled;
    }
    void Enable(BOOL bEnable)
    {
        m_bEnabled = bEnable;
    }
    CWnd* GetWindow() const
    {
        return m_pWnd;
    }
    int GetChildCount() const
    {
        return (int)m_children.GetSize();
    }
    SECMsgFilter* GetChild(int nIndex) const
    {
        return m_children[nIndex];
    }
    // Appends a child; the filter deletes it when it owns its children.
    void AddChild(SECMsgFilter* pChild)
    {
        m_children.Add(pChild);
    }
    void SetOwnsChildren(BOOL bOwns)
    {
        m_bOwnsChildren = bOwns;
    }

    // Implementation
  protected:
    UINT m_nID;
    BOOL m_bEnabled;
    BOOL m_bOwnsChildren;
    CArray<SECMsgFilter*, SECMsgFilter*> m_children;
    CWnd* m_pWnd;
};
