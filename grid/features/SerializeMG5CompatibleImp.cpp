// User attributes of older style archives.
#include "grid/features/SerializeMG5CompatibleImp.h"
#include "grid/core/AppData.h"
#include "grid/core/Style.h"
#include "grid/features/CollMapDWordToString.h"
#include <memory>

void AFXAPI GXInstallSerializeMG5CompatibleImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pSerializeCompatibleImp != NULL)
        return;
    pAppData->m_pSerializeCompatibleImp = new CGXSerializeMG5CompatibleImp;
    pAppData->AddComponent(pAppData->m_pSerializeCompatibleImp);
}

void CGXSerializeMG5CompatibleImp::ReadOldUserAttributes(CGXStyle& style, CArchive& ar)
{
    std::unique_ptr<CObject> pObject(ar.ReadNewObject(RUNTIME_CLASS(CGXCollMapDWordToString)));
    auto* pOld = static_cast<CGXCollMapDWordToString*>(pObject.get());
    if (pOld == NULL)
        return;
    POSITION pos = pOld->GetStartPosition();
    while (pos != NULL)
    {
        DWORD key = 0;
        CString strValue;
        pOld->GetNextAssoc(pos, key, strValue);
        if (key > 0xFFFF)
            AfxThrowArchiveException(CArchiveException::generic);
        style.SetUserAttribute((WORD)key, CGXUserAttribute(strValue));
    }
}
