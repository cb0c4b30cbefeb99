#include "ExStyleMap.h"
#include <cstring>

CGXExStyleMap::~CGXExStyleMap()
{
    RemoveAll();
}

DWORD CGXExStyleMap::LookupXF(DWORD nRow, DWORD nCol) const
{
    auto it = m_entries.find(MakeKey(nRow, nCol));
    return it == m_entries.end() ? 0 : it->second->nXF;
}

DWORD CGXExStyleMap::FindXFByBody(const BYTE* pBody) const
{
    auto it = m_bodies.find(std::string(reinterpret_cast<const char*>(pBody), GX_EXCEL_XF_BODY));
    return it == m_bodies.end() ? 0xFFFF : it->second;
}

void CGXExStyleMap::Add(DWORD nRow, DWORD nCol, DWORD nXF, const BYTE* pBody)
{
    __gxexmpSt* pEntry = new __gxexmpSt{nXF, NULL};
    if (pBody != NULL)
    {
        pEntry->pBody = new BYTE[GX_EXCEL_XF_BODY];
        memcpy(pEntry->pBody, pBody, GX_EXCEL_XF_BODY);
        // XF 0-16 are the fixed ones, never shared; the first XF of a body stays its XF.
        if (nXF > 16)
            m_bodies.emplace(std::string(reinterpret_cast<const char*>(pBody), GX_EXCEL_XF_BODY), nXF);
    }
    __gxexmpSt*& rSlot = m_entries[MakeKey(nRow, nCol)];
    if (rSlot != NULL)
    {
        delete[] rSlot->pBody;
        delete rSlot;
    }
    rSlot = pEntry;
}

void CGXExStyleMap::InitSize(UINT nCells)
{
    m_entries.reserve(nCells);
}

void CGXExStyleMap::RemoveAll()
{
    for (auto& entry : m_entries)
    {
        delete[] entry.second->pBody;
        delete entry.second;
    }
    m_entries.clear();
    m_bodies.clear();
}
