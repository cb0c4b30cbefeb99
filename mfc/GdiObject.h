// CGdiObject: owns (or, when temporary, merely names) one GDI object handle. The pen, brush,
// font, bitmap, palette and region classes add their creation functions.
//
// Differences from MFC:
// - Copy operations are deleted; temporary wrappers live in the per-thread handle map.
// - GetLiveCount tells how many wrappers exist, since Wine's GetGuiResources is a stub.
#pragma once
#include "afx.h"
#include "HandleMap.h"

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)

  public:
    // Construction
    CGdiObject() : m_hObject(NULL)
    {
        ::InterlockedIncrement(&s_nLive);
    }
    ~CGdiObject() override
    {
        DeleteObject();
        ::InterlockedDecrement(&s_nLive);
    }
    // The CGdiObject wrappers (of any class) alive now, temporary ones included.
    static LONG PASCAL GetLiveCount()
    {
        return s_nLive;
    }

    // Attributes
    HGDIOBJ m_hObject;
    operator HGDIOBJ() const
    {
        return GetSafeHandle();
    }
    HGDIOBJ GetSafeHandle() const
    {
        const CGdiObject* volatile self = this;
        return self == NULL ? NULL : self->m_hObject;
    }
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();

    // Operations
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const
    {
        return ::GetObject(m_hObject, nCount, lpObject);
    }
    UINT GetObjectType() const
    {
        return (UINT)::GetObjectType(m_hObject);
    }
    BOOL CreateStockObject(int nIndex)
    {
        return Attach(::GetStockObject(nIndex));
    }
    BOOL UnrealizeObject()
    {
        return ::UnrealizeObject(m_hObject);
    }

    // Implementation
    void AttachTemporaryHandle(HGDIOBJ h)
    {
        m_hObject = h;
    }
    void DetachTemporaryHandle()
    {
        m_hObject = NULL;
    }

  private:
    static LONG s_nLive;
};
