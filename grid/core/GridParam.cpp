// The parameter object: ownership of its sub-objects and its defaults.
#include "grid/core/GridParam.h"
#include "grid/core/AppData.h"
#include "grid/core/PtrArrayPtrArray.h"

IMPLEMENT_SERIAL(CGXGridParam, CObject, 1)

CGXGridParam::CGXGridParam() : m_pAppData(GXGetAppData())
{
    m_RowHeights.InitHashTable(1021);
    m_ColWidths.InitHashTable(257);
    m_RowHeights[0] = 1400;
    m_ColWidths[0] = 6000;
    m_nLinePosition = m_pAppData->m_bParamDefault1;
    m_nGridLineStyle = (UINT)m_pAppData->m_bParamDefault2;
    CreateCoveredCellPool();
}

CGXGridParam::~CGXGridParam()
{
    SetPropertiesObject(NULL);
    SetStylesMapObject(NULL);
    SetDataObject(NULL);
    SetPrintDeviceObject(NULL);
    ClearUndoList();
    ClearRedoList();
    delete m_pCoveredCellPool;
    for (CObject* p :
         {m_pFloatCellsPool, m_pDelayedFloatCellsPool, m_pPrintFloatCellsPool, m_pPrintDelayedFloatCellsPool,
          m_pHorzMergeCellsPool, m_pVertMergeCellsPool, m_pDelayedMergeCellsPool})
        delete p;
    DropChoiceTables(-1);
}

void CGXGridParam::DropChoiceTables(int nChoiceId)
{
    for (auto* pTables : {&m_mapChoiceKeyTables, &m_mapChoiceTextTables})
    {
        for (auto it = pTables->begin(); it != pTables->end();)
        {
            if (nChoiceId == -1 || it->first == nChoiceId)
            {
                delete it->second;
                it = pTables->erase(it);
            }
            else
                ++it;
        }
    }
    m_nChoiceTableGeneration++;
}

// Installing a new object deletes the previous one when it was owned.
template <class T> static void Install(T*& pMember, BOOL& bOwn, T* pNew, BOOL bAutoDelete)
{
    if (pMember != pNew && bOwn)
        delete pMember;
    pMember = pNew;
    bOwn = pNew != NULL && bAutoDelete;
}

void CGXGridParam::SetPropertiesObject(CGXProperties* pProperties, BOOL bAutoDelete)
{
    Install(m_pProperties, m_bOwnProperties, pProperties, bAutoDelete);
}

void CGXGridParam::SetStylesMapObject(CGXStylesMap* pStylesMap, BOOL bAutoDelete)
{
    Install(m_pStylesMap, m_bOwnStylesMap, pStylesMap, bAutoDelete);
}

void CGXGridParam::SetDataObject(CGXData* pData, BOOL bAutoDelete)
{
    Install(m_pData, m_bOwnData, pData, bAutoDelete);
}

void CGXGridParam::SetPrintDeviceObject(CObject* pPrintDevice, BOOL bAutoDelete)
{
    Install(m_pPrintDevice, m_bOwnPrintDevice, pPrintDevice, bAutoDelete);
}

void CGXGridParam::ClearUndoList()
{
    GXDeleteAllObjects(m_UndoList);
    m_nUndoPosition = 0;
}

void CGXGridParam::ClearRedoList()
{
    GXDeleteAllObjects(m_RedoList);
}

void CGXGridParam::CreateCoveredCellPool()
{
    auto* pImp = static_cast<CGXAbstractCoveredCellPoolImp*>(m_pAppData->m_pCoveredCellPoolImp);
    if (pImp != NULL && m_pCoveredCellPool == NULL)
        m_pCoveredCellPool = pImp->CreatePool();
}

void CGXGridParam::RebuildCoveredCellPool()
{
    auto* pImp = static_cast<CGXAbstractCoveredCellPoolImp*>(m_pAppData->m_pCoveredCellPoolImp);
    if (pImp != NULL && m_pCoveredCellPool != NULL)
        pImp->InitFromRangeList(m_pCoveredCellPool, m_CoveredCellsList);
}

void CGXGridParam::CopyFrom(const CGXGridParam& src)
{
    if (CGXAbstractGridParamCopyOperatorImp* pImp = m_pAppData->m_pParamCopyOperatorImp)
        pImp->CopyParam(*this, src);
}

void CGXGridParam::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = m_pAppData->m_pDocSerializeImp)
        pImp->SerializeParam(*this, ar);
}
