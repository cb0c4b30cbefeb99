// COleDataObject: reading formats from a data object of the clipboard or a drop.
#include "OleDataObject.h"
#include "SharedFile.h"

LPFORMATETC AFXAPI AfxFillFormatEtc(LPFORMATETC lpFormatEtc, CLIPFORMAT cfFormat, LPFORMATETC lpBuffer,
                                    DWORD tymed)
{
    if (lpFormatEtc != NULL)
    {
        lpFormatEtc->cfFormat = cfFormat;
        return lpFormatEtc;
    }
    lpBuffer->cfFormat = cfFormat;
    lpBuffer->ptd = NULL;
    lpBuffer->dwAspect = DVASPECT_CONTENT;
    lpBuffer->lindex = -1;
    lpBuffer->tymed = tymed;
    return lpBuffer;
}

COleDataObject::COleDataObject() : m_lpDataObject(NULL), m_lpEnumerator(NULL), m_bAutoRelease(TRUE)
{
}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    if (m_lpEnumerator != NULL)
        m_lpEnumerator->Release();
    m_lpEnumerator = NULL;
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = NULL;
    return lpDataObject;
}

void COleDataObject::Release()
{
    LPDATAOBJECT lpDataObject = Detach();
    if (lpDataObject != NULL && m_bAutoRelease)
        lpDataObject->Release();
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = NULL;
    if (FAILED(::OleGetClipboard(&lpDataObject)) || lpDataObject == NULL)
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

void COleDataObject::BeginEnumFormats()
{
    if (m_lpEnumerator != NULL)
        m_lpEnumerator->Release();
    m_lpEnumerator = NULL;
    if (m_lpDataObject != NULL && FAILED(m_lpDataObject->EnumFormatEtc(DATADIR_GET, &m_lpEnumerator)))
        m_lpEnumerator = NULL;
}

BOOL COleDataObject::GetNextFormat(LPFORMATETC lpFormatEtc)
{
    if (m_lpEnumerator == NULL)
        return FALSE;
    ULONG nFetched = 0;
    if (m_lpEnumerator->Next(1, lpFormatEtc, &nFetched) != S_OK || nFetched != 1)
        return FALSE;
    // Only the format matters to callers; a target device would leak.
    if (lpFormatEtc->ptd != NULL)
    {
        ::CoTaskMemFree(lpFormatEtc->ptd);
        lpFormatEtc->ptd = NULL;
    }
    return TRUE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC buffer;
    lpFormatEtc = AfxFillFormatEtc(lpFormatEtc, cfFormat, &buffer,
                                   TYMED_HGLOBAL | TYMED_ISTREAM | TYMED_GDI | TYMED_MFPICT | TYMED_ENHMF |
                                       TYMED_FILE | TYMED_ISTORAGE);
    return m_lpDataObject->QueryGetData(lpFormatEtc) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    memset(lpStgMedium, 0, sizeof(STGMEDIUM));
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC buffer;
    lpFormatEtc = AfxFillFormatEtc(lpFormatEtc, cfFormat, &buffer,
                                   TYMED_HGLOBAL | TYMED_ISTREAM | TYMED_GDI | TYMED_MFPICT | TYMED_ENHMF |
                                       TYMED_FILE | TYMED_ISTORAGE);
    if (FAILED(m_lpDataObject->GetData(lpFormatEtc, lpStgMedium)))
    {
        memset(lpStgMedium, 0, sizeof(STGMEDIUM));
        return FALSE;
    }
    return TRUE;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC buffer;
    FORMATETC format = *AfxFillFormatEtc(lpFormatEtc, cfFormat, &buffer, TYMED_HGLOBAL);
    format.tymed = TYMED_HGLOBAL;
    STGMEDIUM medium;
    if (!GetData(cfFormat, &medium, &format))
        return NULL;
    if (medium.tymed != TYMED_HGLOBAL)
    {
        ::ReleaseStgMedium(&medium);
        return NULL;
    }
    // The medium may still belong to the source (pUnkForRelease): hand out a copy of our own.
    HGLOBAL hGlobal = medium.hGlobal;
    if (medium.pUnkForRelease != NULL)
    {
        hGlobal = static_cast<HGLOBAL>(::OleDuplicateData(medium.hGlobal, cfFormat, GMEM_MOVEABLE));
        ::ReleaseStgMedium(&medium);
    }
    return hGlobal;
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC buffer;
    FORMATETC format = *AfxFillFormatEtc(lpFormatEtc, cfFormat, &buffer, TYMED_HGLOBAL | TYMED_ISTREAM);
    format.tymed &= TYMED_HGLOBAL | TYMED_ISTREAM;
    STGMEDIUM medium;
    if (!GetData(cfFormat, &medium, &format))
        return NULL;
    CSharedFile* pFile = NULL;
    if (medium.tymed == TYMED_HGLOBAL)
    {
        HGLOBAL hCopy = static_cast<HGLOBAL>(::OleDuplicateData(medium.hGlobal, cfFormat, GMEM_MOVEABLE));
        if (hCopy != NULL)
        {
            pFile = new CSharedFile;
            pFile->SetHandle(hCopy, FALSE);
        }
    }
    else if (medium.tymed == TYMED_ISTREAM && medium.pstm != NULL)
    {
        pFile = new CSharedFile;
        LARGE_INTEGER start = {};
        medium.pstm->Seek(start, STREAM_SEEK_SET, NULL);
        BYTE chunk[4096];
        ULONG nRead = 0;
        while (SUCCEEDED(medium.pstm->Read(chunk, sizeof(chunk), &nRead)) && nRead != 0)
            pFile->Write(chunk, nRead);
        pFile->SeekToBegin();
    }
    ::ReleaseStgMedium(&medium);
    return pFile;
}

LPDATAOBJECT COleDataObject::GetIDataObject(BOOL bAddRef)
{
    if (bAddRef && m_lpDataObject != NULL)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}
