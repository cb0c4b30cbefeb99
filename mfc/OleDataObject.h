// COleDataObject: the receiving side of the clipboard and of a drop. Wraps an IDataObject
// (the clipboard's or the one a drop target was handed) and reads formats from it.
//
// Differences from MFC:
// - GetFileData reads HGLOBAL and IStream data into a memory file; no storages or files on disk.
// - No EnsureClipboardObject/AttachClipboard retries when another process holds the clipboard.
#pragma once
#include "afx.h"
#include <ole2.h>

class CFile;

typedef DWORD DROPEFFECT;

class COleDataObject
{
  public:
    // Construction
    COleDataObject();
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Operations
    // Works on lpDataObject; bAutoRelease makes this object release it when done.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    // Takes the data object now on the clipboard (OleGetClipboard).
    BOOL AttachClipboard();

    void BeginEnumFormats();
    BOOL GetNextFormat(LPFORMATETC lpFormatEtc);

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // Fills lpStgMedium, which the caller frees with ReleaseStgMedium.
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = NULL);
    // A global memory copy of the data the caller frees with GlobalFree; NULL when not there.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // A memory file holding the data the caller deletes; NULL when not there.
    CFile* GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);

    LPDATAOBJECT GetIDataObject(BOOL bAddRef);

    // Implementation
  private:
    LPDATAOBJECT m_lpDataObject;
    LPENUMFORMATETC m_lpEnumerator;
    BOOL m_bAutoRelease;
};

// lpFormatEtc when given (its format set to cfFormat), else a FORMATETC for cfFormat on the given
// media with content aspect and no target device, in *lpBuffer.
LPFORMATETC AFXAPI AfxFillFormatEtc(LPFORMATETC lpFormatEtc, CLIPFORMAT cfFormat, LPFORMATETC lpBuffer,
                                    DWORD tymed);
