// Fields of the recording file as the 32-bit program stored them, written one by one: RECT and
// LOGPEN take 16 bytes, LOGBRUSH 12, LOGFONTA 60, a point 8; and object lists whose members
// must be of one class.
#pragma once
#include "afxwin.h"
#include "Archive.h"

class CObList;

namespace archive_fields
{
void Store(CArchive& ar, const RECT& rect);
void Load(CArchive& ar, RECT& rect);
void Store(CArchive& ar, const LOGPEN& pen);
void Load(CArchive& ar, LOGPEN& pen);
void Store(CArchive& ar, const LOGBRUSH& brush);
void Load(CArchive& ar, LOGBRUSH& brush);
void Store(CArchive& ar, const LOGFONTA& font);
void Load(CArchive& ar, LOGFONTA& font);
// The WORD 2 that ends each class's part of a stream (not checked on reading).
void StoreEnd(CArchive& ar);
void SkipEnd(CArchive& ar);
// A BOOL or int stored as a WORD.
WORD ToWord(int n);

// A list as the archive stores it: a count, then object records. Reading takes only objects of
// pClass (else the archive's badClass error) and appends them. LoadOwnedList is for a list that
// owns its members: each must be a new object (else the archive's badIndex error).
void StoreList(CArchive& ar, const CObList& list);
void LoadList(CArchive& ar, CObList& list, const CRuntimeClass* pClass);
void LoadOwnedList(CArchive& ar, CObList& list, const CRuntimeClass* pClass);

// Reads a new object of pClass (or null) for a pointer that owns it, deleting what it held.
template <class T> void LoadOwned(CArchive& ar, T*& pOwned, const CRuntimeClass* pClass)
{
    T* pRead = static_cast<T*>(ar.ReadNewObject(pClass));
    delete pOwned;
    pOwned = pRead;
}
} // namespace archive_fields
