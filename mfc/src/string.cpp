// CString: one heap block per string (header, then the characters); no sharing between copies.
#include <afx.h>
#include <stdio.h>
#include <string.h>
#include <ctype.h>
#include <new>
#include <utility>

namespace {

// The empty string every CString starts from; never written.
struct NilString
{
    int nDataLength = 0;
    int nAllocLength = 0;
    char chars[4] = {0, 0, 0, 0};
};
NilString g_nil;

char* NilChars() { return g_nil.chars; }

int SafeLength(LPCSTR psz) { return psz ? (int)strlen(psz) : 0; }

}  // namespace

void CString::Reserve(int nLength, bool bKeep)
{
    if (nLength <= Data()->nAllocLength)
        return;
    int nAlloc = nLength < 64 ? 64 : nLength + nLength / 2;
    StringData* pNew = static_cast<StringData*>(::operator new(sizeof(StringData) + nAlloc + 1));
    pNew->nAllocLength = nAlloc;
    pNew->nDataLength = bKeep ? GetLength() : 0;
    memcpy(pNew->chars(), m_pszData, bKeep ? GetLength() + 1 : 1);
    if (!bKeep)
        pNew->chars()[0] = 0;
    Release();
    m_pszData = pNew->chars();
}

void CString::Release()
{
    if (m_pszData != NilChars())
        ::operator delete(Data());
    m_pszData = NilChars();
}

void CString::SetData(LPCSTR pch, int nLength)
{
    if (nLength <= 0)
    {
        Truncate(0);
        return;
    }
    if (pch >= m_pszData && pch <= m_pszData + GetLength())
    {
        *this = CString(pch, nLength);   // the source lies in our own buffer
        return;
    }
    Reserve(nLength, false);
    memcpy(m_pszData, pch, nLength);
    m_pszData[nLength] = 0;
    Data()->nDataLength = nLength;
}

CString::CString() : m_pszData(NilChars()) {}
CString::CString(const CString& src) : m_pszData(NilChars()) { SetData(src, src.GetLength()); }
CString::CString(CString&& src) noexcept : m_pszData(src.m_pszData) { src.m_pszData = NilChars(); }
CString::CString(LPCWSTR pwsz) : m_pszData(NilChars()) { *this = pwsz; }
CString::CString(LPCSTR pch, int nLength) : m_pszData(NilChars()) { SetData(pch, nLength); }
CString::CString(const unsigned char* psz) : m_pszData(NilChars()) { *this = (LPCSTR)psz; }
CString::CString(char ch, int nRepeat) : m_pszData(NilChars())
{
    if (nRepeat > 0)
    {
        Reserve(nRepeat, false);
        memset(m_pszData, ch, nRepeat);
        m_pszData[nRepeat] = 0;
        Data()->nDataLength = nRepeat;
    }
}
CString::CString(LPCSTR psz) : m_pszData(NilChars())
{
    if (psz && IS_INTRESOURCE(psz))
        LoadString(LOWORD((ULONG_PTR)psz));
    else
        SetData(psz, SafeLength(psz));
}
CString::~CString() { Release(); }

void CString::Empty() { Release(); }

void CString::Truncate(int nNewLength)
{
    if (nNewLength < 0 || nNewLength >= GetLength())
        return;
    m_pszData[nNewLength] = 0;
    Data()->nDataLength = nNewLength;
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_pszData[nIndex] = ch;
}

CString& CString::operator=(const CString& src)
{
    if (this != &src)
        SetData(src, src.GetLength());
    return *this;
}
CString& CString::operator=(CString&& src) noexcept
{
    std::swap(m_pszData, src.m_pszData);
    return *this;
}
CString& CString::operator=(LPCSTR psz) { SetData(psz, SafeLength(psz)); return *this; }

CString& CString::operator=(LPCWSTR pwsz)
{
    int nLength = pwsz ? ::WideCharToMultiByte(CP_ACP, 0, pwsz, -1, NULL, 0, NULL, NULL) - 1 : 0;
    if (nLength <= 0)
        Empty();
    else
    {
        Reserve(nLength, false);
        ::WideCharToMultiByte(CP_ACP, 0, pwsz, -1, m_pszData, nLength + 1, NULL, NULL);
        Data()->nDataLength = nLength;
    }
    return *this;
}
CString& CString::operator=(const unsigned char* psz) { return *this = (LPCSTR)psz; }
CString& CString::operator=(char ch) { SetData(&ch, 1); return *this; }

void CString::Append(LPCSTR psz, int nLength)
{
    if (!psz || nLength <= 0)
        return;
    if (psz >= m_pszData && psz <= m_pszData + GetLength())
    {
        CString copy(psz, nLength);
        Append(copy, nLength);
        return;
    }
    int nOld = GetLength();
    Reserve(nOld + nLength, true);
    memcpy(m_pszData + nOld, psz, nLength);
    m_pszData[nOld + nLength] = 0;
    Data()->nDataLength = nOld + nLength;
}
void CString::Append(LPCSTR psz) { Append(psz, SafeLength(psz)); }
void CString::AppendChar(char ch) { Append(&ch, 1); }
CString& CString::operator+=(const CString& src) { Append(src, src.GetLength()); return *this; }
CString& CString::operator+=(LPCSTR psz) { Append(psz); return *this; }
CString& CString::operator+=(char ch) { AppendChar(ch); return *this; }

CString AFXAPI operator+(const CString& a, const CString& b) { CString s(a); s += b; return s; }
CString AFXAPI operator+(const CString& a, LPCSTR b) { CString s(a); s += b; return s; }
CString AFXAPI operator+(LPCSTR a, const CString& b) { CString s(a); s += b; return s; }
CString AFXAPI operator+(const CString& a, char b) { CString s(a); s += b; return s; }
CString AFXAPI operator+(char a, const CString& b) { CString s(a); s += b; return s; }

int CString::Compare(LPCSTR psz) const { return strcmp(m_pszData, psz ? psz : ""); }
int CString::CompareNoCase(LPCSTR psz) const { return _stricmp(m_pszData, psz ? psz : ""); }
int CString::Collate(LPCSTR psz) const { return strcoll(m_pszData, psz ? psz : ""); }
int CString::CollateNoCase(LPCSTR psz) const { return _stricoll(m_pszData, psz ? psz : ""); }

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength() - (nFirst < 0 ? 0 : nFirst)); }

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > GetLength())
        nFirst = GetLength();
    if (nCount > GetLength() - nFirst)
        nCount = GetLength() - nFirst;
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return CString(m_pszData + GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const { return Left((int)strspn(m_pszData, pszCharSet)); }
CString CString::SpanExcluding(LPCSTR pszCharSet) const { return Left((int)strcspn(m_pszData, pszCharSet)); }

CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    if (iStart >= 0 && iStart < GetLength())
    {
        if (!pszTokens || !*pszTokens)
        {
            CString whole = Mid(iStart);
            iStart = GetLength() + 1;
            return whole;
        }
        LPCSTR p = m_pszData + iStart;
        p += strspn(p, pszTokens);
        if (*p)
        {
            int nLen = (int)strcspn(p, pszTokens);
            iStart = (int)(p - m_pszData) + nLen + 1;
            return CString(p, nLen);
        }
    }
    iStart = -1;
    return CString();
}

CString& CString::MakeUpper() { for (char* p = m_pszData; *p; ++p) *p = (char)toupper((unsigned char)*p); return *this; }
CString& CString::MakeLower() { for (char* p = m_pszData; *p; ++p) *p = (char)tolower((unsigned char)*p); return *this; }

CString& CString::MakeReverse()
{
    for (int i = 0, j = GetLength() - 1; i < j; ++i, --j)
    {
        char c = m_pszData[i];
        m_pszData[i] = m_pszData[j];
        m_pszData[j] = c;
    }
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int n = 0;
    for (char* p = m_pszData; *p; ++p)
        if (*p == chOld)
        {
            *p = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    int nOld = SafeLength(pszOld);
    if (nOld == 0)
        return 0;
    CString result;
    int n = 0;
    LPCSTR p = m_pszData;
    for (LPCSTR hit; (hit = strstr(p, pszOld)) != NULL; p = hit + nOld, ++n)
    {
        result.Append(p, (int)(hit - p));
        result.Append(pszNew);
    }
    if (n)
    {
        result.Append(p);
        *this = result;
    }
    return n;
}

int CString::Remove(char ch)
{
    char* out = m_pszData;
    for (char* p = m_pszData; *p; ++p)
        if (*p != ch)
            *out++ = *p;
    int n = (int)(m_pszData + GetLength() - out);
    if (n)
    {
        *out = 0;
        Data()->nDataLength -= n;
    }
    return n;
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    CString result(m_pszData, nIndex);
    result += psz;
    result += m_pszData + nIndex;
    *this = result;
    return GetLength();
}
int CString::Insert(int nIndex, char ch) { char s[2] = {ch, 0}; return Insert(nIndex, s); }

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < GetLength())
    {
        if (nCount > GetLength() - nIndex)
            nCount = GetLength() - nIndex;
        memmove(m_pszData + nIndex, m_pszData + nIndex + nCount, GetLength() - nIndex - nCount + 1);
        Data()->nDataLength -= nCount;
    }
    return GetLength();
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    int n = (int)strspn(m_pszData, pszTargets);
    if (n)
        Delete(0, n);
    return *this;
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    int n = GetLength();
    while (n > 0 && strchr(pszTargets, m_pszData[n - 1]))
        --n;
    Truncate(n);
    return *this;
}

static const char kWhitespace[] = " \t\r\n\v\f";
CString& CString::TrimLeft() { return TrimLeft(kWhitespace); }
CString& CString::TrimRight() { return TrimRight(kWhitespace); }
CString& CString::TrimLeft(char ch) { char s[2] = {ch, 0}; return TrimLeft(s); }
CString& CString::TrimRight(char ch) { char s[2] = {ch, 0}; return TrimRight(s); }
CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(LPCSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    LPCSTR p = strchr(m_pszData + nStart, ch);
    return p && ch ? (int)(p - m_pszData) : -1;
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength())
        return -1;
    LPCSTR p = strstr(m_pszData + nStart, pszSub);
    return p ? (int)(p - m_pszData) : -1;
}

int CString::ReverseFind(char ch) const
{
    LPCSTR p = strrchr(m_pszData, ch);
    return p && ch ? (int)(p - m_pszData) : -1;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    size_t n = strcspn(m_pszData, pszCharSet);
    return m_pszData[n] ? (int)n : -1;
}

// Formats into a new block, as the arguments may point into this string.
void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    va_list count;
    va_copy(count, args);
    int n = vsnprintf(NULL, 0, pszFormat, count);
    va_end(count);
    CString result;
    if (n > 0)
    {
        result.Reserve(n, false);
        vsnprintf(result.m_pszData, n + 1, pszFormat, args);
        result.Data()->nDataLength = n;
    }
    *this = std::move(result);
}

void CString::AppendFormatV(LPCSTR pszFormat, va_list args)
{
    CString piece;
    piece.FormatV(pszFormat, args);
    *this += piece;
}

void CString::FormatMessageV(LPCSTR pszFormat, va_list* pArgList)
{
    LPSTR pszMessage = NULL;
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, pszFormat, 0, 0,
                               (LPSTR)&pszMessage, 0, pArgList);
    SetData(pszMessage, (int)n);
    ::LocalFree(pszMessage);
}

void AFX_CDECL CString::Call(void (CString::*pfnFormatV)(LPCSTR, va_list), LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    (this->*pfnFormatV)(pszFormat, args);
    va_end(args);
}

CString CString::LoadFormat(UINT nFormatID)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return strFormat;
}

void CString::AnsiToOem()
{
    if (!IsEmpty())
        ::CharToOemA(m_pszData, m_pszData);
}

void CString::OemToAnsi()
{
    if (!IsEmpty())
        ::OemToCharA(m_pszData, m_pszData);
}
int CString::StringLength(LPCSTR psz) { return SafeLength(psz); }

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (m_pszData == NilChars() || nMinBufLength > Data()->nAllocLength)
        Reserve(nMinBufLength > 0 ? nMinBufLength : 1, true);
    return m_pszData;
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    m_pszData[nNewLength] = 0;
    Data()->nDataLength = nNewLength;
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pszData == NilChars())
        return;
    if (nNewLength < 0)
        nNewLength = (int)strnlen(m_pszData, Data()->nAllocLength);
    if (nNewLength > Data()->nAllocLength)
        nNewLength = Data()->nAllocLength;
    m_pszData[nNewLength] = 0;
    Data()->nDataLength = nNewLength;
}

void CString::FreeExtra()
{
    if (m_pszData != NilChars() && Data()->nAllocLength > GetLength())
    {
        CString copy(*this);
        Release();
        if (copy.GetLength())
        {
            StringData* p = static_cast<StringData*>(::operator new(sizeof(StringData) + copy.GetLength() + 1));
            p->nAllocLength = p->nDataLength = copy.GetLength();
            memcpy(p->chars(), copy, copy.GetLength() + 1);
            m_pszData = p->chars();
        }
    }
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE((nID >> 4) + 1), RT_STRING);
    char buffer[4096];
    int n = ::LoadStringA(hInst, nID, buffer, sizeof(buffer));
    SetData(buffer, n);
    return n > 0;
}
