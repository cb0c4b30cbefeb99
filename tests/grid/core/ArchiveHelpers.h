// Storing into and loading from memory archives, so tests can compare exact bytes.
#pragma once
#include "afx.h"
#include <functional>
#include <vector>

inline std::vector<BYTE> StoreBytes(const std::function<void(CArchive&)>& fn)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        fn(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

inline void LoadBytes(const std::vector<BYTE>& bytes, const std::function<void(CArchive&)>& fn)
{
    CMemFile file;
    if (!bytes.empty())
        file.Write(bytes.data(), (UINT)bytes.size());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    fn(ar);
    ar.Close();
}

// Little-endian helpers for expected byte strings.
inline void PutDWord(std::vector<BYTE>& v, DWORD dw)
{
    for (int i = 0; i < 4; i++)
        v.push_back((BYTE)(dw >> (8 * i)));
}

inline void PutWord(std::vector<BYTE>& v, WORD w)
{
    v.push_back((BYTE)w);
    v.push_back((BYTE)(w >> 8));
}
