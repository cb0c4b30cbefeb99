// Archive bytes for tests: what a storing archive leaves in memory, and a loading archive over
// given bytes that reports the archive exception's cause.
#pragma once
#include "afx.h"
#include <initializer_list>
#include <string>
#include <vector>

namespace testing_support
{

using Bytes = std::vector<BYTE>;

inline Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The characters alone, without a length.
inline Bytes Text(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

// A string as the archive stores a short CString: one length byte, then the characters.
inline Bytes Str(const std::string& text)
{
    Bytes bytes(1, (BYTE)text.size());
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

// Numbers as the archive stores them (little-endian).
inline Bytes Word(WORD w)
{
    return Bytes{(BYTE)w, (BYTE)(w >> 8)};
}

inline Bytes DWord(DWORD dw)
{
    return Bytes{(BYTE)dw, (BYTE)(dw >> 8), (BYTE)(dw >> 16), (BYTE)(dw >> 24)};
}

// Object records: the first object of a class brings the class (new-class tag, schema, name);
// later ones name the class by its map index; a null object is a zero tag.
inline Bytes NewClass(const std::string& name, WORD schema = 1)
{
    return Cat({Word(0xFFFF), Word(schema), Word((WORD)name.size()), Text(name)});
}

inline Bytes ClassRef(WORD index)
{
    return Word((WORD)(0x8000 | index));
}

inline Bytes NullObject()
{
    return Word(0);
}

// The bytes left in a memory file by a storing archive.
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

// A memory file over its own copy of the bytes, for a loading archive.
class CLoadFile : public CMemFile
{
  public:
    explicit CLoadFile(const Bytes& bytes) : m_bytes(bytes)
    {
        Attach(m_bytes.empty() ? nullptr : m_bytes.data(), (UINT)m_bytes.size());
    }

  private:
    Bytes m_bytes;
};

const int kNoError = -1;

// Runs read on a loading archive over bytes; returns the archive exception's cause, kNoError for none.
template <class Fn> int LoadCause(const Bytes& bytes, Fn read)
{
    CLoadFile file(bytes);
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
    return kNoError;
}

} // namespace testing_support
