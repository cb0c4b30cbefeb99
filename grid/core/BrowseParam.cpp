// The browser grid's parameter object.
#include "grid/core/BrowseParam.h"

IMPLEMENT_SERIAL(CGXBrowseParam, CGXGridParam, 0)

CGXBrowseParam::CGXBrowseParam()
{
}

CGXBrowseParam::~CGXBrowseParam()
{
    ResetEditBuffer(-1);
    delete m_pOwned;
    delete m_pSerialized;
}

void CGXBrowseParam::ResetEditBuffer(int nFields)
{
    if (m_pEditBuffer != NULL)
    {
        for (int i = 0; i < m_nBufferEntries; i++)
            delete m_pEditBuffer[i].m_pObject;
        delete[] m_pEditBuffer;
    }
    m_pEditBuffer = NULL;
    m_nBufferEntries = 0;
    if (nFields < 0)
        return;
    m_nBufferEntries = nFields + 1;
    m_pEditBuffer = new CGXBrowseBufferEntry[m_nBufferEntries];
}

CGXBrowseBufferEntry* CGXBrowseParam::GetEntry(int nField)
{
    return nField >= 0 && nField < m_nBufferEntries ? &m_pEditBuffer[nField] : NULL;
}

void CGXBrowseParam::Serialize(CArchive& ar)
{
    CGXGridParam::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << (WORD)schema << (BYTE)(m_bBrowserInitialized ? 1 : 0);
        ar.WriteObject(m_pSerialized);
        return;
    }
    WORD wSchema = 0;
    BYTE b = 0;
    ar >> wSchema;
    if (wSchema > schema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> b;
    m_bBrowserInitialized = b != 0;
    if (wSchema >= 2)
    {
        CObject* p = ar.ReadObject(NULL);
        delete m_pSerialized;
        m_pSerialized = p;
    }
}
