// CSharedFile: a memory file in movable global memory, for the clipboard and drag and drop.
// The memory block is the file's until Detach hands its handle to the caller.
//
// Differences from MFC:
// - None beyond CMemFile's.
#pragma once
#include "MemFile.h"

class CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)

  public:
    // Construction
    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);
    ~CSharedFile() override;

    // Operations
    // Returns the global memory (unlocked), which now belongs to the caller.
    HGLOBAL Detach();
    // Works on hGlobalMemory (its whole size is the file); bAllowGrow FALSE keeps that size.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

  protected:
    BYTE* Alloc(SIZE_T nBytes) override;
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override;
    void Free(BYTE* lpMem) override;

    // Implementation
    UINT m_nAllocFlags;
    HGLOBAL m_hGlobalMemory; // locked while the file holds it
    BOOL m_bAllowGrow;
};
