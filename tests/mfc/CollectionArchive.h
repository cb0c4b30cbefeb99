// Archive helpers of the collection tests: the bytes a storing archive leaves, and a loading
// archive over given bytes that reports the archive exception's cause.
#pragma once
#include "afx.h"
#include <initializer_list>
#include <string>
#include <vector>

namespace collection_tests
{

using Bytes = std::vector<BYTE>;

inline Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A string as the archive stores a short CString: one length byte, then the characters.
inline Bytes Str(const std::string& text)
{
    Bytes bytes(1, (BYTE)text.size());
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

template <class Fn> Bytes Store(Fn write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    Bytes bytes(file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Runs read on a loading archive over bytes; returns the archive exception's cause, -1 for none.
template <class Fn> int Load(const Bytes& bytes, Fn read)
{
    Bytes copy(bytes);
    CMemFile file(copy.empty() ? nullptr : copy.data(), (UINT)copy.size());
    CArchive ar(&file, CArchive::load);
    try
    {
        read(ar);
    }
    catch (CArchiveException* e)
    {
        int cause = e->m_cause;
        e->Delete();
        ar.Abort();
        return cause;
    }
    return -1;
}

const int kNoError = -1;

} // namespace collection_tests
