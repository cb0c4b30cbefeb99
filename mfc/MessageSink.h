// Every message box of the program goes through one replaceable sink: the default shows a real
// box, tests install one that answers and records. Owned by whoever installs it.
//
// Differences from MFC:
// - AfxMessageBox has no owner window here yet; the window layer supplies one through
//   AfxSetMessageOwnerProvider.
#pragma once
#include "AfxCore.h"

class CMessageSink
{
  public:
    virtual ~CMessageSink() = default;
    // Returns the button the user chose (IDOK, IDYES, ...).
    virtual int Show(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType, UINT nIDHelp) = 0;
};

// Installs pSink (NULL restores the real box) and returns the previous one.
CMessageSink* AFXAPI AfxSetMessageSink(CMessageSink* pSink);
CMessageSink* AFXAPI AfxGetMessageSink();

// The window that owns a box shown without an explicit owner.
typedef HWND(AFXAPI* AFX_OWNER_PROVIDER)();
void AFXAPI AfxSetMessageOwnerProvider(AFX_OWNER_PROVIDER pfn);

// The caption of the program's boxes (the application's title once there is one).
void AFXAPI AfxSetMessageBoxCaption(LPCSTR lpszCaption);
LPCSTR AFXAPI AfxGetMessageBoxCaption();

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// A box with an explicit owner, for windows that show their own messages.
int AFXAPI AfxShowMessage(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType, UINT nIDHelp = 0);
