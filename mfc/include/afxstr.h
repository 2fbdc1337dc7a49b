// afxstr.h - CString, the 8-bit string of the layer. Its only member is the pointer to its
// characters.
#pragma once

class CString;

namespace LumAfxDetail {

// GCC passes a class with a destructor through "..." by address, so printf-style functions would
// read a CString argument as garbage: Format and its kin are templates that hand the callee the
// text of each CString argument and every other argument as it is.
LPCSTR FormatArg(const CString& str);
template<class T>
inline const T& FormatArg(const T& value) { return value; }

}  // namespace LumAfxDetail

class LUMAFX_API CString
{
public:
    CString();
    CString(const CString& src);
    CString(CString&& src) noexcept;
    CString(LPCSTR psz);                    // a MAKEINTRESOURCE value loads the string resource
    CString(LPCSTR pch, int nLength);
    CString(const unsigned char* psz);
    CString(LPCWSTR pwsz);                  // converted with the ANSI code page
    explicit CString(char ch, int nRepeat = 1);
    ~CString();

    // size and access
    int GetLength() const { return Data()->nDataLength; }
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();
    char GetAt(int nIndex) const { return m_pszData[nIndex]; }
    char operator[](int nIndex) const { return m_pszData[nIndex]; }
    void SetAt(int nIndex, char ch);
    operator LPCSTR() const { return m_pszData; }
    LPCSTR GetString() const { return m_pszData; }

    // assignment and concatenation
    CString& operator=(const CString& src);
    CString& operator=(CString&& src) noexcept;
    CString& operator=(LPCSTR psz);
    CString& operator=(LPCWSTR pwsz);
    CString& operator=(const unsigned char* psz);
    CString& operator=(char ch);
    CString& operator+=(const CString& src);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);
    void SetString(LPCSTR psz) { *this = psz; }
    void SetString(LPCSTR pch, int nLength) { SetData(pch, nLength); }
    void Append(LPCSTR psz);
    void Append(LPCSTR psz, int nLength);
    void AppendChar(char ch);
    LUMAFX_API friend CString AFXAPI operator+(const CString& a, const CString& b);
    LUMAFX_API friend CString AFXAPI operator+(const CString& a, LPCSTR b);
    LUMAFX_API friend CString AFXAPI operator+(LPCSTR a, const CString& b);
    LUMAFX_API friend CString AFXAPI operator+(const CString& a, char b);
    LUMAFX_API friend CString AFXAPI operator+(char a, const CString& b);

    // comparison
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;
    int Collate(LPCSTR psz) const;
    int CollateNoCase(LPCSTR psz) const;

    // extraction
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;
    CString Tokenize(LPCSTR pszTokens, int& iStart) const;

    // changes in place
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);

    // searching
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    // formatting; the arguments may name this very string
    template<class... Args>
    void Format(LPCSTR pszFormat, const Args&... args)
    {
        Call(&CString::FormatV, pszFormat, LumAfxDetail::FormatArg(args)...);
    }
    template<class... Args>
    void Format(UINT nFormatID, const Args&... args) { Format(LoadFormat(nFormatID), args...); }
    template<class... Args>
    void AppendFormat(LPCSTR pszFormat, const Args&... args)
    {
        Call(&CString::AppendFormatV, pszFormat, LumAfxDetail::FormatArg(args)...);
    }
    template<class... Args>
    void AppendFormat(UINT nFormatID, const Args&... args) { AppendFormat(LoadFormat(nFormatID), args...); }
    // FormatMessage takes FormatMessage's inserts: %1, %2!d!, ...
    template<class... Args>
    void FormatMessage(LPCSTR pszFormat, const Args&... args)
    {
        Call(&CString::FormatMessageVa, pszFormat, LumAfxDetail::FormatArg(args)...);
    }
    template<class... Args>
    void FormatMessage(UINT nFormatID, const Args&... args) { FormatMessage(LoadFormat(nFormatID), args...); }
    void FormatV(LPCSTR pszFormat, va_list args);
    void AppendFormatV(LPCSTR pszFormat, va_list args);
    void FormatMessageV(LPCSTR pszFormat, va_list* pArgList);
    BOOL LoadString(UINT nID);

    // code pages
    void AnsiToOem();
    void OemToAnsi();

    // raw buffer
    LPSTR GetBuffer(int nMinBufLength = 0);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(nNewLength); }
    void Preallocate(int nLength) { Reserve(nLength, true); }
    int GetAllocLength() const { return Data()->nAllocLength; }
    void FreeExtra();
    LPSTR LockBuffer() { return GetBuffer(0); }
    void UnlockBuffer() {}
    void Truncate(int nNewLength);
    static int StringLength(LPCSTR psz);

private:
    struct StringData
    {
        int nDataLength;
        int nAllocLength;
        char* chars() { return reinterpret_cast<char*>(this + 1); }
    };
    StringData* Data() const { return reinterpret_cast<StringData*>(m_pszData) - 1; }
    void Reserve(int nLength, bool bKeep);
    void SetData(LPCSTR pch, int nLength);
    void Release();
    static CString LoadFormat(UINT nFormatID);
    void FormatMessageVa(LPCSTR pszFormat, va_list args) { FormatMessageV(pszFormat, &args); }
    void AFX_CDECL Call(void (CString::*pfnFormatV)(LPCSTR, va_list), LPCSTR pszFormat, ...);

    LPSTR m_pszData;
};

inline LPCSTR LumAfxDetail::FormatArg(const CString& str) { return str; }

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
inline bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, LPCSTR b) { return a.Compare(b) <= 0; }
inline bool operator<=(LPCSTR a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, LPCSTR b) { return a.Compare(b) >= 0; }
inline bool operator>=(LPCSTR a, const CString& b) { return b.Compare(a) <= 0; }

typedef CString CStringA;
