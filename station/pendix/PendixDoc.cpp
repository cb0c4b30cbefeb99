#include "station/pendix/PendixDoc.h"

IMPLEMENT_DYNCREATE(CPendixDoc, CDocument)

CPendixDoc::CPendixDoc()
{
}

CPendixDoc::~CPendixDoc()
{
}

void CPendixDoc::Serialize(CArchive&)
{
}
