// afxcoll.h - the collections of pointers, objects, strings and small integers. Each is the
// collection template of afxtempl.h under its MFC name, with its own run-time class.
#pragma once
#include "afxtempl.h"

// ---- lists ------------------------------------------------------------------------------------
class LUMAFX_API CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    CPtrList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};

class LUMAFX_API CObList : public CList<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObList)
public:
    CObList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};

class LUMAFX_API CStringList : public CList<CString, LPCTSTR>
{
    DECLARE_DYNAMIC(CStringList)
public:
    CStringList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};

// ---- arrays -----------------------------------------------------------------------------------
class LUMAFX_API CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};

class LUMAFX_API CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObArray)
};

class LUMAFX_API CStringArray : public CArray<CString, LPCTSTR>
{
    DECLARE_DYNAMIC(CStringArray)
};

class LUMAFX_API CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_DYNAMIC(CByteArray)
};

class LUMAFX_API CWordArray : public CArray<WORD, WORD>
{
    DECLARE_DYNAMIC(CWordArray)
};

class LUMAFX_API CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_DYNAMIC(CDWordArray)
};

class LUMAFX_API CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
};

// ---- maps -------------------------------------------------------------------------------------
namespace LumAfxDetail {

// The maps keyed by strings also hand out the key they hold.
template<class VALUE, class ARG_VALUE>
class CStringKeyMap : public CMap<CString, LPCTSTR, VALUE, ARG_VALUE>
{
public:
    CStringKeyMap(INT_PTR nBlockSize) : CMap<CString, LPCTSTR, VALUE, ARG_VALUE>(nBlockSize) {}

    BOOL LookupKey(LPCTSTR key, LPCTSTR& rKey) const
    {
        const typename CStringKeyMap::CPair* pPair = this->PLookup(key);
        if (!pPair)
            return FALSE;
        rKey = pPair->key;
        return TRUE;
    }
};

}  // namespace LumAfxDetail

class LUMAFX_API CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    CMapPtrToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class LUMAFX_API CMapPtrToWord : public CMap<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    CMapPtrToWord(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class LUMAFX_API CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    CMapWordToPtr(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class LUMAFX_API CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapWordToOb)
public:
    CMapWordToOb(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {}
};

class LUMAFX_API CMapStringToPtr : public LumAfxDetail::CStringKeyMap<void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    CMapStringToPtr(INT_PTR nBlockSize = 10) : CStringKeyMap(nBlockSize) {}
};

class LUMAFX_API CMapStringToOb : public LumAfxDetail::CStringKeyMap<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CMapStringToOb)
public:
    CMapStringToOb(INT_PTR nBlockSize = 10) : CStringKeyMap(nBlockSize) {}
};

class LUMAFX_API CMapStringToString : public LumAfxDetail::CStringKeyMap<CString, LPCTSTR>
{
    DECLARE_DYNAMIC(CMapStringToString)
public:
    CMapStringToString(INT_PTR nBlockSize = 10) : CStringKeyMap(nBlockSize) {}
};
