#include "ExcelCompoundFile.h"
#include <algorithm>
#include <string.h>

namespace
{
const DWORD kEndOfChain = 0xFFFFFFFE;
const DWORD kNoEntry = 0xFFFFFFFF;
const DWORD kWholeChain = 0xFFFFFFFF; // a chain read up to its end
const size_t kEntrySize = 128;
const BYTE kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
// Larger files are left to the platform's storage.
const LONGLONG kMaxFileSize = 0x40000000;
// Header fields.
const size_t kSectorShift = 0x1E, kMiniShift = 0x20, kFatSectors = 0x2C, kFirstDirectory = 0x30,
             kMiniCutoff = 0x38, kFirstMiniFat = 0x3C, kMiniFatSectors = 0x40, kFirstDifat = 0x44,
             kDifatSectors = 0x48, kHeaderDifat = 0x4C;
// Directory entry fields.
const size_t kNameLength = 0x40, kType = 0x42, kLeft = 0x44, kRight = 0x48, kChild = 0x4C, kStart = 0x74,
             kSize = 0x78;
const BYTE kStreamEntry = 2, kRootEntry = 5;

WCHAR Folded(WCHAR ch)
{
    return ch >= 'a' && ch <= 'z' ? (WCHAR)(ch - 'a' + 'A') : ch;
}
} // namespace

DWORD CGXExcelCompoundFile::DWordAt(size_t nOffset) const
{
    const BYTE* p = m_file.data() + nOffset;
    return p[0] | (p[1] << 8) | (p[2] << 16) | ((DWORD)p[3] << 24);
}

const BYTE* CGXExcelCompoundFile::Sector(DWORD n) const
{
    size_t nOffset = ((size_t)n + 1) * m_nSectorSize;
    return n < kEndOfChain - 1 && nOffset + m_nSectorSize <= m_file.size() ? m_file.data() + nOffset : NULL;
}

BOOL CGXExcelCompoundFile::ReadChain(const std::vector<DWORD>& table, DWORD nStart, DWORD nSize, DWORD nUnit,
                                     BOOL bMini, std::vector<BYTE>& bytes) const
{
    bytes.clear();
    if (nSize != kWholeChain)
        bytes.reserve(nSize);
    DWORD n = nStart;
    for (size_t nSteps = 0; nSize == kWholeChain ? n != kEndOfChain : bytes.size() < nSize; nSteps++)
    {
        if (n >= table.size() || nSteps > table.size())
            return FALSE;
        const BYTE* p = NULL;
        if (bMini)
        {
            size_t nOffset = (size_t)n * nUnit;
            if (nOffset + nUnit <= m_miniStream.size())
                p = m_miniStream.data() + nOffset;
        }
        else
            p = Sector(n);
        if (p == NULL)
            return FALSE;
        size_t nTake = nSize == kWholeChain ? nUnit : std::min<size_t>(nUnit, nSize - bytes.size());
        bytes.insert(bytes.end(), p, p + nTake);
        n = table[n];
    }
    return TRUE;
}

BOOL CGXExcelCompoundFile::Open(LPCTSTR pszPath)
{
    m_file.clear();
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    LARGE_INTEGER size;
    BOOL bRead = ::GetFileSizeEx(hFile, &size) && size.QuadPart >= 512 && size.QuadPart <= kMaxFileSize;
    if (bRead)
    {
        m_file.resize((size_t)size.QuadPart);
        DWORD nRead = 0;
        bRead =
            ::ReadFile(hFile, m_file.data(), (DWORD)m_file.size(), &nRead, NULL) && nRead == m_file.size();
    }
    ::CloseHandle(hFile);
    if (!bRead || memcmp(m_file.data(), kSignature, sizeof(kSignature)) != 0)
        return FALSE;
    WORD nSectorShift = (WORD)(m_file[kSectorShift] | m_file[kSectorShift + 1] << 8);
    WORD nMiniShift = (WORD)(m_file[kMiniShift] | m_file[kMiniShift + 1] << 8);
    if ((nSectorShift != 9 && nSectorShift != 12) || nMiniShift != 6)
        return FALSE;
    m_nSectorSize = 1u << nSectorShift;
    m_nMiniSize = 1u << nMiniShift;
    m_nMiniCutoff = DWordAt(kMiniCutoff);

    // The sectors of the allocation table: 109 named in the header, the rest in a chain of
    // index sectors whose last entry names the next.
    const DWORD nFatSectors = DWordAt(kFatSectors);
    const DWORD nPerSector = m_nSectorSize / 4;
    if (nFatSectors > m_file.size() / m_nSectorSize)
        return FALSE;
    std::vector<DWORD> fatSectors;
    for (DWORD i = 0; i < 109 && fatSectors.size() < nFatSectors; i++)
        fatSectors.push_back(DWordAt(kHeaderDifat + 4 * i));
    DWORD nDifat = DWordAt(kFirstDifat);
    for (DWORD nSteps = DWordAt(kDifatSectors); fatSectors.size() < nFatSectors; nSteps--)
    {
        const BYTE* p = Sector(nDifat);
        if (p == NULL || nSteps == 0)
            return FALSE;
        size_t nBase = p - m_file.data();
        for (DWORD i = 0; i + 1 < nPerSector && fatSectors.size() < nFatSectors; i++)
            fatSectors.push_back(DWordAt(nBase + 4 * i));
        nDifat = DWordAt(nBase + 4 * (nPerSector - 1));
    }
    m_fat.clear();
    m_fat.reserve((size_t)nFatSectors * nPerSector);
    for (DWORD n : fatSectors)
    {
        const BYTE* p = Sector(n);
        if (p == NULL)
            return FALSE;
        size_t nBase = p - m_file.data();
        for (DWORD i = 0; i < nPerSector; i++)
            m_fat.push_back(DWordAt(nBase + 4 * i));
    }

    if (!ReadChain(m_fat, DWordAt(kFirstDirectory), kWholeChain, m_nSectorSize, FALSE, m_directory) ||
        m_directory.size() < kEntrySize || m_directory[kType] != kRootEntry)
        return FALSE;
    std::vector<BYTE> miniFat;
    DWORD nMiniFat = DWordAt(kFirstMiniFat);
    if (nMiniFat != kEndOfChain &&
        !ReadChain(m_fat, nMiniFat, DWordAt(kMiniFatSectors) * m_nSectorSize, m_nSectorSize, FALSE, miniFat))
        return FALSE;
    m_miniFat.resize(miniFat.size() / 4);
    memcpy(m_miniFat.data(), miniFat.data(), m_miniFat.size() * 4);
    const BYTE* pRoot = m_directory.data();
    DWORD nRootStart, nRootSize;
    memcpy(&nRootStart, pRoot + kStart, 4);
    memcpy(&nRootSize, pRoot + kSize, 4);
    return nRootSize == 0 || ReadChain(m_fat, nRootStart, nRootSize, m_nSectorSize, FALSE, m_miniStream);
}

BOOL CGXExcelCompoundFile::ReadStream(LPCWSTR pszName, std::vector<BYTE>& bytes) const
{
    const size_t nEntries = m_directory.size() / kEntrySize;
    const size_t nName = wcslen(pszName);
    auto field = [&](size_t nEntry, size_t nOffset) {
        DWORD d;
        memcpy(&d, m_directory.data() + nEntry * kEntrySize + nOffset, 4);
        return d;
    };
    // The root's children form a tree through their left and right links.
    std::vector<DWORD> pending;
    pending.push_back(nEntries > 0 ? field(0, kChild) : kNoEntry);
    for (size_t nVisited = 0; !pending.empty() && nVisited <= nEntries; nVisited++)
    {
        DWORD n = pending.back();
        pending.pop_back();
        if (n == kNoEntry)
            continue;
        if (n >= nEntries)
            return FALSE;
        pending.push_back(field(n, kLeft));
        pending.push_back(field(n, kRight));
        const BYTE* pEntry = m_directory.data() + n * kEntrySize;
        WORD nLength = (WORD)(pEntry[kNameLength] | pEntry[kNameLength + 1] << 8);
        if (pEntry[kType] != kStreamEntry || nLength != 2 * (nName + 1))
            continue;
        BOOL bSame = TRUE;
        for (size_t i = 0; i < nName && bSame; i++)
            bSame = Folded((WCHAR)(pEntry[2 * i] | pEntry[2 * i + 1] << 8)) == Folded(pszName[i]);
        if (!bSame)
            continue;
        DWORD nStart = field(n, kStart), nSize = field(n, kSize);
        if (nSize < m_nMiniCutoff)
            return ReadChain(m_miniFat, nStart, nSize, m_nMiniSize, TRUE, bytes);
        return ReadChain(m_fat, nStart, nSize, m_nSectorSize, FALSE, bytes);
    }
    return FALSE;
}
