// The document of the Pendix window: it holds nothing; the view talks to the device.
#pragma once
#include "afxwin.h"

class CPendixDoc : public CDocument
{
    DECLARE_DYNCREATE(CPendixDoc)

  public:
    // Construction
    CPendixDoc();
    ~CPendixDoc() override;

    // Overrides
    void Serialize(CArchive& ar) override;
};
