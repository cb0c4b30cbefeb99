// The viewers of an OLE preview cell, keyed by the viewer id of the cell style. Viewers are
// created on first use and deleted with the manager; the manager also owns its context object.
#pragma once
#include "AfxCore.h"
#include "Object.h"
#include <map>

class CGXOleViewer;

template <class T> class CGXNodeManager
{
  public:
    CGXNodeManager() = default;
    CGXNodeManager(const CGXNodeManager&) = delete;
    CGXNodeManager& operator=(const CGXNodeManager&) = delete;
    virtual ~CGXNodeManager()
    {
        for (auto& entry : m_nodes)
            delete entry.second;
    }
    virtual T* GetViewer(DWORD dwId)
    {
        auto it = m_nodes.find(dwId);
        return it == m_nodes.end() ? NULL : it->second;
    }
    T* LookupViewer(DWORD dwId)
    {
        return GetViewer(dwId);
    }

  protected:
    std::map<DWORD, T*> m_nodes;
};

// The context object a manager keeps when its creator gives none; it carries no behaviour.
class CGXViewerContext : public CObject
{
};

class CGXViewerManager : public CGXNodeManager<CGXOleViewer>
{
  public:
    explicit CGXViewerManager(CObject* pContext);
    ~CGXViewerManager() override;
    // The viewer under the id, a new generic viewer when there is none yet.
    CGXOleViewer* GetViewer(DWORD dwId) override;

  private:
    CObject* m_pContext;
};
