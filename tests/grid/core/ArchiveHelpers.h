// Archive bytes for the grid's tests, over the shared helpers: storing, loading that must
// succeed, and little-endian builders for expected bytes.
#pragma once
#include "ArchiveBytes.h"
#include <gtest/gtest.h>

using testing_support::Bytes;

template <class Fn> Bytes StoreBytes(Fn write)
{
    return testing_support::Store(write);
}

template <class Fn> void LoadBytes(const Bytes& bytes, Fn read)
{
    EXPECT_EQ(testing_support::kNoError, testing_support::LoadCause(bytes, read));
}

inline void PutDWord(Bytes& v, DWORD dw)
{
    for (int i = 0; i < 4; i++)
        v.push_back((BYTE)(dw >> (8 * i)));
}

inline void PutWord(Bytes& v, WORD w)
{
    v.push_back((BYTE)w);
    v.push_back((BYTE)(w >> 8));
}
