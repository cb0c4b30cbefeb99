// Files on disk, in memory, in global memory and through text streams, with the exceptions their
// failures raise.
#include "afx.h"
#include "TestSupport.h"
#include <string>
#include <vector>

namespace
{
std::string TempPath(const char* name)
{
    return testing_support::TempFolder() + name;
}

std::string ReadAll(const std::string& path)
{
    CFile file(path.c_str(), CFile::modeRead | CFile::shareDenyNone);
    std::string bytes(file.GetLength(), '\0');
    if (!bytes.empty())
        file.Read(&bytes[0], (UINT)bytes.size());
    return bytes;
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), (UINT)bytes.size());
}
} // namespace

TEST(File, WritesReadsSeeksAndResizes)
{
    std::string path = TempPath("basic.bin");
    CFile file;
    CFileException error;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite, &error));
    EXPECT_STREQ("basic.bin", file.GetFileName());
    EXPECT_STRCASEEQ(path.c_str(), file.GetFilePath());

    file.Write("0123456789", 10);
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_EQ(10u, file.GetPosition());
    EXPECT_EQ(4, file.Seek(-6, CFile::current));
    char buffer[16] = {};
    EXPECT_EQ(3u, file.Read(buffer, 3));
    EXPECT_STREQ("456", buffer);
    file.SeekToBegin();
    EXPECT_EQ(0u, file.GetPosition());
    EXPECT_EQ(10u, file.SeekToEnd());
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));

    file.SetLength(4);
    EXPECT_EQ(4u, file.GetLength());
    file.SeekToBegin();
    EXPECT_EQ(4u, file.Read(buffer, sizeof buffer));

    CFileStatus status;
    EXPECT_TRUE(file.GetStatus(status));
    EXPECT_EQ(4, status.m_size);
    EXPECT_GT(status.m_mtime.GetTime(), 0);
    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);

    // modeNoTruncate keeps the contents, modeCreate alone empties the file.
    {
        CFile keep(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(4u, keep.GetLength());
    }
    {
        CFile fresh(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(0u, fresh.GetLength());
    }
    CFile::Remove(path.c_str());
}

TEST(File, OpenFailuresGiveTheCause)
{
    std::string locked = TempPath("locked.txt");
    CFile holder(locked.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    std::string folder = TempPath("ordner");
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), NULL));

    struct Case
    {
        std::string path;
        UINT flags;
        int cause;
        LONG lOsError;
    };
    const Case cases[] = {
        {TempPath("missing.txt"), CFile::modeRead, CFileException::fileNotFound, ERROR_FILE_NOT_FOUND},
        {TempPath("no-such-folder\\x.txt"), CFile::modeRead, CFileException::badPath, ERROR_PATH_NOT_FOUND},
        {folder, CFile::modeRead, CFileException::accessDenied, ERROR_ACCESS_DENIED},
        {locked, CFile::modeRead | CFile::shareDenyNone, CFileException::sharingViolation,
         ERROR_SHARING_VIOLATION},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.path);
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path.c_str(), c.flags, &error));
        EXPECT_EQ(c.cause, error.m_cause);
        EXPECT_EQ(c.lOsError, error.m_lOsError);
        EXPECT_STRCASEEQ(c.path.c_str(), error.m_strFileName);
        EXPECT_EQ(CFile::hFileNull, file.m_hFile);

        // The constructor throws the same.
        try
        {
            CFile thrown(c.path.c_str(), c.flags);
            ADD_FAILURE() << "no exception";
        }
        catch (CFileException* e)
        {
            EXPECT_EQ(c.cause, e->m_cause);
            e->Delete();
        }
    }
    ::RemoveDirectoryA(folder.c_str());
}

TEST(File, ReadOnlyFileIsNotWrittenOrRemoved)
{
    std::string path = TempPath("readonly.txt");
    WriteAll(path, "fest");
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

    // Wine running as root opens read-only files for writing all the same; where the system
    // refuses, CFile must report it as access denied.
    HANDLE hProbe = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (hProbe != INVALID_HANDLE_VALUE)
        ::CloseHandle(hProbe);
    else
    {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(path.c_str(), CFile::modeWrite, &error));
        EXPECT_EQ(CFileException::accessDenied, error.m_cause);
    }

    try
    {
        CFile::Remove(path.c_str());
        ADD_FAILURE() << "removed a read-only file";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
        EXPECT_EQ(ERROR_ACCESS_DENIED, e->m_lOsError);
        e->Delete();
    }
    EXPECT_EQ("fest", ReadAll(path));
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    CFile::Remove(path.c_str());
}

TEST(File, RenameRemoveAndStatusByName)
{
    std::string from = TempPath("alt.txt");
    std::string to = TempPath("neu.txt");
    WriteAll(from, "abc");
    CFile::Rename(from.c_str(), to.c_str());
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(from.c_str(), status));
    ASSERT_TRUE(CFile::GetStatus(to.c_str(), status));
    EXPECT_EQ(3, status.m_size);
    EXPECT_STRCASEEQ(to.c_str(), status.m_szFullName);
    EXPECT_EQ(0, status.m_attribute & CFile::directory);

    CFile::Remove(to.c_str());
    try
    {
        CFile::Remove(to.c_str());
        ADD_FAILURE() << "removed twice";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_STREQ(to.c_str(), e->m_strFileName);
        e->Delete();
    }
    try
    {
        CFile::Rename(from.c_str(), to.c_str());
        ADD_FAILURE() << "renamed a missing file";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        e->Delete();
    }
}

TEST(MemFile, GrowsAndReadsBack)
{
    CMemFile file(16);
    std::string text(100, 'x');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = (char)('A' + i % 26);
    file.Write(text.data(), (UINT)text.size());
    EXPECT_EQ(100u, file.GetLength());
    file.SeekToBegin();
    std::string back(100, '\0');
    EXPECT_EQ(100u, file.Read(&back[0], 100));
    EXPECT_EQ(text, back);
    EXPECT_EQ(0u, file.Read(&back[0], 1));

    // Writing past the end leaves zeros in the gap.
    file.Seek(104, CFile::begin);
    file.Write("!", 1);
    EXPECT_EQ(105u, file.GetLength());
    char tail[5];
    file.Seek(100, CFile::begin);
    file.Read(tail, 5);
    EXPECT_EQ(std::string("\0\0\0\0!", 5), std::string(tail, 5));

    try
    {
        file.Seek(-1, CFile::begin);
        ADD_FAILURE() << "seek before the start";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::badSeek, e->m_cause);
        e->Delete();
    }

    file.SetLength(10);
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_EQ(10u, file.GetPosition());
    DWORD nLength = file.GetLength();
    BYTE* pData = file.Detach();
    ASSERT_NE(nullptr, pData);
    EXPECT_EQ(0, memcmp(text.data(), pData, nLength));
    free(pData);
    EXPECT_EQ(0u, file.GetLength());
}

TEST(MemFile, AttachedBuffersAreFixedOrCopiedWhenTheyGrow)
{
    BYTE fixed[4] = {1, 2, 3, 4};
    {
        CMemFile file(fixed, sizeof fixed);
        EXPECT_EQ(4u, file.GetLength());
        file.Write("ab", 2);
        try
        {
            file.Write("cde", 3);
            ADD_FAILURE() << "wrote past a fixed buffer";
        }
        catch (CMemoryException* e)
        {
            e->Delete();
        }
        EXPECT_EQ(4u, file.GetLength());
    }
    EXPECT_EQ('a', fixed[0]);
    EXPECT_EQ(3, fixed[2]);

    BYTE growable[4] = {9, 9, 9, 9};
    CMemFile file;
    file.Attach(growable, sizeof growable, 8);
    EXPECT_EQ(0u, file.GetLength());
    file.Write("wxyz", 4);
    file.Write("12345", 5); // moves into memory of the file's own
    EXPECT_EQ(9u, file.GetLength());
    EXPECT_EQ('w', growable[0]);
    EXPECT_EQ('z', growable[3]);
    file.SeekToBegin();
    char back[10] = {};
    file.Read(back, 9);
    EXPECT_STREQ("wxyz12345", back);

    EXPECT_FALSE(file.Open("x.txt", CFile::modeRead));
}

TEST(MemFile, SharedFileHandsOverItsGlobalMemory)
{
    CSharedFile file(GMEM_MOVEABLE, 8);
    file.Write("global memory", 13);
    HGLOBAL hMem = file.Detach();
    ASSERT_NE(nullptr, hMem);
    EXPECT_GE(::GlobalSize(hMem), 13u);
    const char* p = static_cast<const char*>(::GlobalLock(hMem));
    EXPECT_EQ(std::string("global memory"), std::string(p, 13));
    ::GlobalUnlock(hMem);
    EXPECT_EQ(0u, file.GetLength());

    // Reading it again through another file, which then owns and frees it.
    CSharedFile reader;
    reader.SetHandle(hMem, FALSE);
    char back[14] = {};
    EXPECT_EQ(13u, reader.Read(back, 13));
    EXPECT_STREQ("global memory", back);
    reader.SeekToEnd();
    try
    {
        reader.Write(back, 13); // beyond the block, which may not grow
        ADD_FAILURE() << "grew a fixed block";
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
}

TEST(StdioFile, TextModeWritesCrLfAndReadsLines)
{
    std::string path = TempPath("text.txt");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("erste Zeile\n");
        file.WriteString("zweite\n");
        file.WriteString(std::string(300, 'L').c_str());
        file.WriteString("\nohne Ende");
    }
    EXPECT_EQ("erste Zeile\r\nzweite\r\n" + std::string(300, 'L') + "\r\nohne Ende", ReadAll(path));

    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeText);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ("erste Zeile", line);
    char buffer[32];
    ASSERT_NE(nullptr, file.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ("zweite\n", buffer);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(300, line.GetLength());
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ("ohne Ende", line);
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(nullptr, file.ReadString(buffer, sizeof buffer));
    file.Close();

    // Binary mode leaves the bytes alone.
    {
        CStdioFile binary(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        binary.WriteString("a\nb");
    }
    EXPECT_EQ("a\nb", ReadAll(path));

    CFileException error;
    CStdioFile missing;
    EXPECT_FALSE(missing.Open(TempPath("fehlt.txt").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(nullptr, missing.m_pStream);
    CFile::Remove(path.c_str());
}
