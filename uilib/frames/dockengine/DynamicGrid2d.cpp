// SECLNDynamicGrid2d: lines of docked nodes.
#include "uilib/frames/dockengine/DynamicGrid2d.h"

SECLNDynamicGrid2d::SECLNDynamicGrid2d() : m_bChanged(FALSE)
{
}

SECLNDynamicGrid2d::~SECLNDynamicGrid2d()
{
    // Lines without a memory manager were made for this grid alone.
    CPtrList lines;
    SECLNDynamicGridLine::CollectNodes(lines);
    for (POSITION pos = lines.GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNode* pNode = (SECLayoutNode*)lines.GetNext(pos);
        if (pNode->GetMemoryManager() == NULL && dynamic_cast<SECLNDynamicGridLine*>(pNode) != NULL)
        {
            SECLNDynamicGridLine::RemoveLayoutChild(pNode);
            delete pNode;
        }
    }
}

BOOL SECLNDynamicGrid2d::OrientsInsertedNode(const SECDynGridInsertConstraints* pConstraints) const
{
    return !pConstraints->bNewLine;
}

SECLNDynamicGridLine* SECLNDynamicGrid2d::NewLine()
{
    return new SECLNDynamicGridLine;
}

SECLNDynamicGridLine* SECLNDynamicGrid2d::GetLineAt(int nIndex) const
{
    return dynamic_cast<SECLNDynamicGridLine*>(GetNodeAt(nIndex));
}

SECLNDynamicGridLine* SECLNDynamicGrid2d::FindLineOf(SECLayoutNode* pNode) const
{
    if (pNode == NULL)
        return NULL;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
    {
        SECLNDynamicGridLine* pLine =
            dynamic_cast<SECLNDynamicGridLine*>((SECLayoutNode*)m_cells.GetNext(pos));
        if (pLine != NULL && pLine->ContainsNode(pNode))
            return pLine;
    }
    return NULL;
}

void SECLNDynamicGrid2d::DeleteLine(SECLNDynamicGridLine* pLine)
{
    SECLNDynamicGridLine::RemoveLayoutChild(pLine);
    pLine->SetMemoryManager(NULL, FALSE);
    delete pLine;
    m_bChanged = TRUE;
}

void SECLNDynamicGrid2d::EnableSplitters(BOOL bEnable)
{
    SECLNDynamicGridLine::EnableSplitters(bEnable);
    for (int i = 0; i < GetLineCount(); ++i)
    {
        if (SECLNDynamicGridLine* pLine = GetLineAt(i))
            pLine->EnableSplitters(bEnable);
    }
}

void SECLNDynamicGrid2d::Initialize(HWND hWndHost, BOOL bHorizontal)
{
    SECLNDynamicGridLine::Initialize(hWndHost, !bHorizontal);
}

int SECLNDynamicGrid2d::InsertNode(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints)
{
    SECDynGridInsertConstraints defaults;
    if (pConstraints == NULL)
        pConstraints = &defaults;
    if (pNode == NULL || FindLineOf(pNode) != NULL)
        return -1;
    SECLNDynamicGridLine* pLine = NULL;
    int nIndex = 0;
    if (pConstraints->GetIndex(&nIndex))
        pLine = GetLineAt(pConstraints->nLineIndex);
    else
        pLine = FindLineOf(pConstraints->pRefNode);
    if (pLine == NULL && GetLineCount() > 0)
        pLine = GetLineAt(pConstraints->bAfter ? GetLineCount() - 1 : 0);
    if (pLine != NULL && !pConstraints->bNewLine)
        return pLine->InsertNode(pNode, pConstraints) == -1 ? -1 : GetNodeCount();

    // A line of its own, placed among the lines as the record says.
    SECLNDynamicGridLine* pNew = NewLine();
    pNew->Initialize(m_hWndHost, !GetNodeOrientation());
    pNew->EnableSplitters(m_bSplittersEnabled);
    pNew->SetMemoryManager(GetMemoryManager(), FALSE);
    if (pNew->InsertNode(pNode, NULL) == -1)
    {
        pNew->SetMemoryManager(NULL, FALSE);
        delete pNew;
        return -1;
    }
    pConstraints->nLength = pConstraints->nCrossLength;
    pConstraints->nCrossLength = -1;
    if (pConstraints->pRefNode != NULL && !SECLNDynamicGridLine::ContainsNode(pConstraints->pRefNode))
        pConstraints->pRefNode = FindLineOf(pConstraints->pRefNode);
    pConstraints->bNewLine = TRUE;
    const int nResult = SECLNDynamicGridLine::InsertNode(pNew, pConstraints);
    pConstraints->bNewLine = FALSE;
    m_bChanged = TRUE;
    if (nResult == -1)
    {
        pNew->RemoveLayoutChild(pNode);
        pNew->SetMemoryManager(NULL, FALSE);
        delete pNew;
        return -1;
    }
    return GetNodeCount();
}

int SECLNDynamicGrid2d::RemoveLayoutChild(SECLayoutNode* pNode)
{
    if (pNode == NULL)
        return -1;
    if (SECLNDynamicGridLine::ContainsNode(pNode))
    {
        const int nResult = SECLNDynamicGridLine::RemoveLayoutChild(pNode);
        m_bChanged = TRUE;
        return nResult == -1 ? -1 : GetNodeCount();
    }
    SECLNDynamicGridLine* pLine = FindLineOf(pNode);
    if (pLine == NULL)
    {
        // A splitter between lines leaving by itself; any other node is no child here.
        POSITION pos = NULL;
        if (!FindChild(pNode, pos))
            return -1;
        return SECLNDynamicGridLine::RemoveLayoutChild(pNode) == -1 ? -1 : GetNodeCount();
    }
    if (pLine->RemoveLayoutChild(pNode) == -1)
        return -1;
    if (pLine->GetNodeCount() == 0)
        DeleteLine(pLine);
    return GetNodeCount();
}

void SECLNDynamicGrid2d::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    SECLNDynamicGridLine::CalcLayout(rcOut, rc, bConstrain, bForce);
    if (bConstrain)
        return;
    RECT rcPreferred;
    GetPreferredRect(rcPreferred);
    if (m_bChanged)
    {
        m_bChanged = FALSE;
        if (!::IsRectEmpty(&rcOut))
            SetPreferredRect(rcOut);
    }
    else if (::IsRectEmpty(&rcPreferred))
        SetPreferredRect(rcOut);
}

SECLayoutNode* SECLNDynamicGrid2d::FindNodeAt(POINT pt, BOOL* pbAfter, SECLNDynamicGridLine** ppLine)
{
    BOOL bAfterLine = FALSE;
    SECLNDynamicGridLine* pLine =
        dynamic_cast<SECLNDynamicGridLine*>(SECLNDynamicGridLine::FindNodeAt(pt, &bAfterLine, NULL));
    if (ppLine != NULL)
        *ppLine = pLine;
    return pLine != NULL ? pLine->FindNodeAt(pt, pbAfter, NULL) : NULL;
}

int SECLNDynamicGrid2d::GetNodeCount() const
{
    int nCount = 0;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
        SECLNDynamicGridLine* pLine = dynamic_cast<SECLNDynamicGridLine*>(pNode);
        nCount += pLine != NULL ? pLine->GetNodeCount() : 1;
    }
    return nCount;
}

SECLayoutNode* SECLNDynamicGrid2d::GetFirstNode() const
{
    SECLNDynamicGridLine* pLine = GetLineAt(0);
    return pLine != NULL ? pLine->GetFirstNode() : NULL;
}

void SECLNDynamicGrid2d::CollectNodes(CPtrList& list) const
{
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
        if (SECLNDynamicGridLine* pLine = dynamic_cast<SECLNDynamicGridLine*>(pNode))
            pLine->CollectNodes(list);
        else
            list.AddTail(pNode);
    }
}

BOOL SECLNDynamicGrid2d::GetNodeConstraints(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints)
{
    SECLNDynamicGridLine* pLine = FindLineOf(pNode);
    if (pLine == NULL || pConstraints == NULL)
        return SECLNDynamicGridLine::GetNodeConstraints(pNode, pConstraints);
    if (pLine->GetNodeCount() == 1)
    {
        // Alone in its line: the line's place among the lines, and its thickness.
        SECLNDynamicGridLine::GetNodeConstraints(pLine, pConstraints);
        RECT rc;
        pNode->GetAppliedRect(rc);
        pConstraints->bNewLine = TRUE;
        pConstraints->nCrossLength = SECOrientedRect(rc, pLine->GetNodeOrientation()).GetCrossLength();
        return TRUE;
    }
    pLine->GetNodeConstraints(pNode, pConstraints);
    pConstraints->nLineIndex = IndexOfNode(pLine);
    pConstraints->bNewLine = FALSE;
    pConstraints->nCrossLength = 0;
    return TRUE;
}

void SECLNDynamicGrid2d::UpdatePreferredRect()
{
    RECT rc;
    GetAppliedRect(rc);
    SetPreferredRect(rc);
}
