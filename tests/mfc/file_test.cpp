// CFile, CFileException and CFileFind on real files in the temporary folder.
#include <gtest/gtest.h>
#include <afx.h>
#include <set>
#include <string>
#include <vector>

namespace {

typedef std::set<std::string> Names;

class FilesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char szTemp[MAX_PATH];
        ASSERT_NE(0u, ::GetTempPathA(MAX_PATH, szTemp));
        m_strDir.Format("%slumfiles_%lu_%lu\\", szTemp, ::GetCurrentProcessId(), ::GetTickCount());
        ASSERT_TRUE(::CreateDirectoryA(m_strDir, NULL));
    }

    void TearDown() override
    {
        for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
        {
            ::SetFileAttributesA(*it, FILE_ATTRIBUTE_NORMAL);
            if (!::DeleteFileA(*it))
                ::RemoveDirectoryA(*it);
        }
        EXPECT_TRUE(::RemoveDirectoryA(m_strDir));
    }

    CString Path(LPCSTR pszName) const { return m_strDir + pszName; }

    CString MakeFile(LPCSTR pszName, const std::string& content = "")
    {
        CString strPath = Path(pszName);
        HANDLE hFile = ::CreateFileA(strPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        EXPECT_NE(INVALID_HANDLE_VALUE, hFile) << pszName;
        DWORD dwWritten;
        ::WriteFile(hFile, content.data(), (DWORD)content.size(), &dwWritten, NULL);
        ::CloseHandle(hFile);
        m_created.push_back(strPath);
        return strPath;
    }

    void MakeDir(LPCSTR pszName)
    {
        EXPECT_TRUE(::CreateDirectoryA(Path(pszName), NULL)) << pszName;
        m_created.push_back(Path(pszName));
    }

    Names Found(LPCSTR pszPattern) const
    {
        Names names;
        CFileFind finder;
        for (BOOL bMore = finder.FindFile(Path(pszPattern)); bMore;)
        {
            bMore = finder.FindNextFile();
            names.insert((LPCSTR)finder.GetFileName());
        }
        return names;
    }

    std::string Contents(CFile& file)
    {
        std::string text((size_t)file.GetLength(), '\0');
        file.SeekToBegin();
        text.resize(file.Read(&text[0], (UINT)text.size()));
        return text;
    }

    CString m_strDir;
    std::vector<CString> m_created;
};

}  // namespace

TEST_F(FilesTest, FindFileWildcards)
{
    for (LPCSTR pszName : {"a.bmp", "b.bmp", "abc.txt", "axc.txt", "abcd.txt", "ac.txt", "notes.txt"})
        MakeFile(pszName);
    MakeDir("sub");

    const struct
    {
        LPCSTR pszPattern;
        Names expected;
    } cases[] = {
        {"*.bmp", {"a.bmp", "b.bmp"}},
        {"a?c.txt", {"abc.txt", "axc.txt"}},
        {"ab*", {"abc.txt", "abcd.txt"}},
        {"s*", {"sub"}},
        {"notes.txt", {"notes.txt"}},
        {"*.gif", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Found(c.pszPattern)) << c.pszPattern;
}

TEST_F(FilesTest, FindFileWithoutMatch)
{
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile(Path("*.none")));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, ::GetLastError());
    EXPECT_FALSE(finder.FindNextFile());
    FILETIME ft;
    EXPECT_FALSE(finder.GetLastWriteTime(&ft));
}

TEST_F(FilesTest, FoundFileDetails)
{
    MakeFile("notes.txt", "twelve bytes");
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(Path("notes.txt")));
    EXPECT_FALSE(finder.FindNextFile());   // the only match is also the last
    EXPECT_STREQ("notes.txt", finder.GetFileName());
    EXPECT_STREQ("notes", finder.GetFileTitle());
    EXPECT_STREQ(m_strDir, finder.GetRoot());
    EXPECT_STREQ(Path("notes.txt"), finder.GetFilePath());
    EXPECT_STREQ("file://" + Path("notes.txt"), finder.GetFileURL());
    EXPECT_EQ(12u, finder.GetLength());
    EXPECT_FALSE(finder.IsDirectory());
    EXPECT_FALSE(finder.IsDots());
    FILETIME ft = {};
    EXPECT_TRUE(finder.GetLastWriteTime(&ft));
    EXPECT_NE(0u, ft.dwHighDateTime);
    finder.Close();
    EXPECT_FALSE(finder.FindNextFile());
}

TEST_F(FilesTest, OpenReadSeek)
{
    MakeFile("data.bin", "0123456789");
    CFile file;
    ASSERT_TRUE(file.Open(Path("data.bin"), CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary));
    EXPECT_NE(CFile::hFileNull, file.m_hFile);
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_STREQ("data.bin", file.GetFileName());
    EXPECT_STREQ("data", file.GetFileTitle());
    EXPECT_STREQ(Path("data.bin"), file.GetFilePath());

    char buf[16] = {};
    EXPECT_EQ(4u, file.Read(buf, 4));
    EXPECT_STREQ("0123", buf);
    EXPECT_EQ(4u, file.GetPosition());
    EXPECT_EQ(8u, file.Seek(-2, CFile::end));
    EXPECT_EQ(2u, file.Read(buf, sizeof(buf)));
    EXPECT_EQ(0, memcmp(buf, "89", 2));
    EXPECT_EQ(0u, file.Read(buf, sizeof(buf)));
    EXPECT_EQ(5u, file.Seek(-5, CFile::current));
    file.SeekToBegin();
    EXPECT_EQ(0u, file.GetPosition());

    CFile* pDup = file.Duplicate();
    file.Seek(3, CFile::begin);
    EXPECT_EQ(3u, pDup->GetPosition());   // a duplicate shares the file pointer
    delete pDup;

    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    EXPECT_TRUE(file.GetFilePath().IsEmpty());
}

TEST_F(FilesTest, ThrowingConstructorOnMissingFile)
{
    CString strMissing = Path("missing.txt");
    bool bCaught = false;
    try
    {
        CFile file(strMissing, CFile::modeRead);
    }
    catch (CFileException* e)
    {
        bCaught = true;
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, e->m_lOsError);
        EXPECT_STREQ(strMissing, e->m_strFileName);
        char szMessage[512];
        EXPECT_TRUE(e->GetErrorMessage(szMessage, sizeof(szMessage)));
        EXPECT_NE(nullptr, strstr(szMessage, strMissing)) << szMessage;
        e->Delete();
    }
    EXPECT_TRUE(bCaught);
}

TEST_F(FilesTest, OpenFailureCauses)
{
    MakeDir("dir");
    CString strLocked = MakeFile("locked.txt");
    CFile locked;
    ASSERT_TRUE(locked.Open(strLocked, CFile::modeRead | CFile::shareExclusive));

    const struct
    {
        CString strPath;
        UINT nFlags;
        int nCause;
    } cases[] = {
        {Path("missing.txt"), CFile::modeRead, CFileException::fileNotFound},
        {Path("nodir\\x.txt"), CFile::modeRead, CFileException::badPath},
        {Path("nodir\\x.txt"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath},
        {Path("dir"), CFile::modeWrite, CFileException::accessDenied},
        {strLocked, CFile::modeRead | CFile::shareDenyNone, CFileException::sharingViolation},
    };
    for (const auto& c : cases)
    {
        CFile file;
        CFileException e;
        EXPECT_FALSE(file.Open(c.strPath, c.nFlags, &e)) << (LPCSTR)c.strPath;
        EXPECT_EQ(c.nCause, e.m_cause) << (LPCSTR)c.strPath << " error " << e.m_lOsError;
        EXPECT_EQ(CFileException::OsErrorToException(e.m_lOsError), e.m_cause);
        EXPECT_STREQ(c.strPath, e.m_strFileName);
        EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    }
}

TEST_F(FilesTest, ErrorsOfAnOpenFileAreThrown)
{
    CString strPath = MakeFile("write-only.txt", "abc");
    CFile file(strPath, CFile::modeWrite);
    char c;
    int nCause = CFileException::none;
    try
    {
        file.Read(&c, 1);
    }
    catch (CException* e)
    {
        CFileException* pFileError = DYNAMIC_DOWNCAST(CFileException, e);
        ASSERT_TRUE(pFileError != NULL);
        nCause = pFileError->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CFileException::accessDenied, nCause);
}

