// CFile, CFileException and CFileFind over CreateFile, ReadFile, FindFirstFile and friends.
#include <afx.h>
#include <errno.h>
#include <stdio.h>

namespace {

struct CauseOf
{
    LONG nCode;
    int nCause;
};

const CauseOf kOsErrors[] = {
    {NO_ERROR, CFileException::none},
    {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    {ERROR_PATH_NOT_FOUND, CFileException::badPath},
    {ERROR_INVALID_DRIVE, CFileException::badPath},
    {ERROR_INVALID_NAME, CFileException::badPath},
    {ERROR_BAD_NETPATH, CFileException::badPath},
    {ERROR_BAD_PATHNAME, CFileException::badPath},
    {ERROR_FILENAME_EXCED_RANGE, CFileException::badPath},
    {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
    {ERROR_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_FILE_EXISTS, CFileException::accessDenied},
    {ERROR_ALREADY_EXISTS, CFileException::accessDenied},
    {ERROR_WRITE_PROTECT, CFileException::accessDenied},
    {ERROR_INVALID_HANDLE, CFileException::invalidFile},
    {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
    {ERROR_DIR_NOT_EMPTY, CFileException::removeCurrentDir},
    {ERROR_CANNOT_MAKE, CFileException::directoryFull},
    {ERROR_SEEK, CFileException::badSeek},
    {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
    {ERROR_SEEK_ON_DEVICE, CFileException::badSeek},
    {ERROR_NOT_READY, CFileException::hardIO},
    {ERROR_CRC, CFileException::hardIO},
    {ERROR_SECTOR_NOT_FOUND, CFileException::hardIO},
    {ERROR_WRITE_FAULT, CFileException::hardIO},
    {ERROR_READ_FAULT, CFileException::hardIO},
    {ERROR_GEN_FAILURE, CFileException::hardIO},
    {ERROR_IO_DEVICE, CFileException::hardIO},
    {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
    {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
    {ERROR_NOT_LOCKED, CFileException::lockViolation},
    {ERROR_DISK_FULL, CFileException::diskFull},
    {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
    {ERROR_HANDLE_EOF, CFileException::endOfFile},
};

const CauseOf kErrnos[] = {
    {0, CFileException::none},
    {EPERM, CFileException::accessDenied},
    {EACCES, CFileException::accessDenied},
    {EEXIST, CFileException::accessDenied},
    {ENOENT, CFileException::fileNotFound},
    {ENXIO, CFileException::fileNotFound},
    {EBADF, CFileException::invalidFile},
    {EMFILE, CFileException::tooManyOpenFiles},
    {ENFILE, CFileException::tooManyOpenFiles},
    {EAGAIN, CFileException::tooManyOpenFiles},
    {ENOSPC, CFileException::diskFull},
    {EIO, CFileException::hardIO},
    {EDEADLOCK, CFileException::lockViolation},
};

template<size_t N>
int CauseFor(const CauseOf (&table)[N], LONG nCode)
{
    for (const CauseOf& entry : table)
        if (entry.nCode == nCode)
            return entry.nCause;
    return CFileException::genericException;
}

// What the user is told, by cause; %s is the file's name.
const char* const kMessages[] = {
    "No error occurred while accessing %s.",
    "An unknown error occurred while accessing %s.",
    "%s was not found.",
    "%s contains an invalid path.",
    "%s could not be opened because there are too many open files.",
    "Access to %s was denied.",
    "An invalid file handle was associated with %s.",
    "%s could not be removed because it is the current directory.",
    "%s could not be created because the directory is full.",
    "Seek failed on %s.",
    "A hardware I/O error was reported while accessing %s.",
    "A sharing violation occurred while accessing %s.",
    "A locking violation occurred while accessing %s.",
    "Disk full while accessing %s.",
    "An attempt was made to access %s past its end.",
};

LPCSTR FindName(LPCSTR pszPath)
{
    LPCSTR pszName = pszPath;
    for (LPCSTR p = pszPath; *p; p = CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            pszName = p + 1;
    return pszName;
}

CString TitleOf(LPCSTR pszName)
{
    LPCSTR pszDot = strrchr(pszName, '.');
    return pszDot ? CString(pszName, (int)(pszDot - pszName)) : CString(pszName);
}

CString FullPathOf(LPCSTR pszPath)
{
    CString strFull;
    LPSTR pszFilePart;
    DWORD n = ::GetFullPathNameA(pszPath, MAX_PATH, strFull.GetBuffer(MAX_PATH), &pszFilePart);
    strFull.ReleaseBuffer(n > 0 && n < MAX_PATH ? (int)n : 0);
    return strFull.IsEmpty() ? CString(pszPath) : strFull;
}

LARGE_INTEGER MakeLarge(ULONGLONG n)
{
    LARGE_INTEGER li;
    li.QuadPart = (LONGLONG)n;
    return li;
}

}  // namespace

// ---- CFileException ---------------------------------------------------------------------------
IMPLEMENT_DYNAMIC(CFileException, CException)

int PASCAL CFileException::OsErrorToException(LONG lOsError) { return CauseFor(kOsErrors, lOsError); }
int PASCAL CFileException::ErrnoToException(int nErrno) { return CauseFor(kErrnos, nErrno); }

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    int nCause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
    snprintf(lpszError, nMaxError, kMessages[nCause], m_strFileName.IsEmpty() ? "an unnamed file" : (LPCSTR)m_strFileName);
    return TRUE;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

// ---- CFile ------------------------------------------------------------------------------------
IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    static const DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE, GENERIC_READ};
    static const DWORD kShare[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, 0, 0, 0};
    DWORD dwCreation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        dwCreation = nOpenFlags & modeNoTruncate ? OPEN_ALWAYS : CREATE_ALWAYS;
    DWORD dwFlags = FILE_ATTRIBUTE_NORMAL;
    if (nOpenFlags & osNoBuffer)
        dwFlags |= FILE_FLAG_NO_BUFFERING;
    if (nOpenFlags & osWriteThrough)
        dwFlags |= FILE_FLAG_WRITE_THROUGH;
    if (nOpenFlags & osRandomAccess)
        dwFlags |= FILE_FLAG_RANDOM_ACCESS;
    if (nOpenFlags & osSequentialScan)
        dwFlags |= FILE_FLAG_SEQUENTIAL_SCAN;
    SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, (nOpenFlags & modeNoInherit) == 0};

    HANDLE hFile = ::CreateFileA(lpszFileName, kAccess[nOpenFlags & 3], kShare[(nOpenFlags >> 4) & 7], &sa,
                                 dwCreation, dwFlags, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        if (pError)
        {
            pError->m_lOsError = (LONG)::GetLastError();
            pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = FullPathOf(lpszFileName);
    return TRUE;
}

CFile* CFile::Duplicate() const
{
    HANDLE hDup;
    if (!::DuplicateHandle(::GetCurrentProcess(), m_hFile, ::GetCurrentProcess(), &hDup, 0, FALSE,
                           DUPLICATE_SAME_ACCESS))
        ThrowLastError();
    CFile* pFile = new CFile(hDup);
    pFile->m_bCloseOnDelete = TRUE;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

void CFile::Close()
{
    CString strName = m_strFileName;
    BOOL bClosed = m_hFile == hFileNull || ::CloseHandle(m_hFile);
    DWORD dwError = ::GetLastError();
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (!bClosed)
        CFileException::ThrowOsError((LONG)dwError, strName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

void CFile::Flush()
{
    if (m_hFile != hFileNull && !::FlushFileBuffers(m_hFile))
        ThrowLastError();
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    DWORD dwRead = 0;
    if (nCount && !::ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
        ThrowLastError();
    return dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    DWORD dwWritten = 0;
    if (nCount && !::WriteFile(m_hFile, lpBuf, nCount, &dwWritten, NULL))
        ThrowLastError();
    if (dwWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER liPos;
    if (!::SetFilePointerEx(m_hFile, MakeLarge(lOff), &liPos, nFrom))
        ThrowLastError();
    return liPos.QuadPart;
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER liPos;
    if (!::SetFilePointerEx(m_hFile, MakeLarge(0), &liPos, FILE_CURRENT))
        ThrowLastError();
    return liPos.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER liSize;
    if (!::GetFileSizeEx(m_hFile, &liSize))
        ThrowLastError();
    return liSize.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    Seek((LONGLONG)dwNewLen, begin);
    if (!::SetEndOfFile(m_hFile))
        ThrowLastError();
}

void CFile::LockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!::LockFile(m_hFile, (DWORD)dwPos, (DWORD)(dwPos >> 32), (DWORD)dwCount, (DWORD)(dwCount >> 32)))
        ThrowLastError();
}

void CFile::UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!::UnlockFile(m_hFile, (DWORD)dwPos, (DWORD)(dwPos >> 32), (DWORD)dwCount, (DWORD)(dwCount >> 32)))
        ThrowLastError();
}

CString CFile::GetFileName() const { return FindName(m_strFileName); }
CString CFile::GetFileTitle() const { return TitleOf(FindName(m_strFileName)); }

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
}

// ---- CFileFind --------------------------------------------------------------------------------
IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind() : m_hContext(NULL), m_bGotLast(FALSE), m_found(), m_next() {}

CFileFind::~CFileFind() { Close(); }

void CFileFind::Close()
{
    if (m_hContext)
        CloseContext();
    m_hContext = NULL;
    m_bGotLast = FALSE;
    m_strRoot.Empty();
    m_found = m_next = WIN32_FIND_DATAA();
}

void CFileFind::CloseContext() { ::FindClose(m_hContext); }

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD)
{
    Close();
    if (!pstrName)
        pstrName = "*.*";
    HANDLE hContext = ::FindFirstFileA(pstrName, &m_next);
    if (hContext == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hContext = hContext;
    CString strFull = FullPathOf(pstrName);
    m_strRoot = strFull.Left((int)(FindName(strFull) - (LPCSTR)strFull));
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_hContext || m_bGotLast)
        return FALSE;
    m_found = m_next;
    m_bGotLast = !::FindNextFileA(m_hContext, &m_next);
    return !m_bGotLast;
}

CString CFileFind::GetFileTitle() const { return TitleOf(m_found.cFileName); }

BOOL CFileFind::IsDots() const
{
    LPCSTR pszName = m_found.cFileName;
    return IsDirectory() && pszName[0] == '.' && (pszName[1] == 0 || (pszName[1] == '.' && pszName[2] == 0));
}

BOOL CFileFind::GetTime(FILETIME* pTimeStamp, const FILETIME& time) const
{
    if (!m_found.cFileName[0])
        return FALSE;   // no current match yet
    *pTimeStamp = time;
    return TRUE;
}
