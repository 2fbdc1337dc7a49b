// afxtempl.h - the collection templates: CArray, CList, CMap, the typed-pointer wrappers over the
// pointer collections, and the helper functions they call.
//
// afx.h includes this file itself (through afxcoll.h), so it can also be included first: the guard
// is set only once the core declarations are known.
#ifndef __AFXTEMPL_H__
#include <afx.h>
#endif
#ifndef __AFXTEMPL_H__
#define __AFXTEMPL_H__

#include <new>
#include <memory>
#include <utility>
#include <algorithm>
#include <type_traits>

// ---- node blocks ------------------------------------------------------------------------------
// Lists and maps carve their nodes from blocks of nBlockSize nodes; the blocks of one collection
// are chained and freed together.
struct LUMAFX_API CPlex
{
    alignas(16) CPlex* pNext;   // keeps the data that follows aligned for any element

    void* data() { return this + 1; }
    static CPlex* PASCAL Create(CPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement);
    void FreeDataChain();
};

// ---- helpers ----------------------------------------------------------------------------------
namespace LumAfxDetail {

template<class CH>
inline UINT HashChars(const CH* key)
{
    UINT nHash = 0;
    for (; *key; ++key)
        nHash = (nHash << 5) + nHash + *key;
    return nHash;
}

// Strings hash their characters; every other key hashes its value.
inline UINT HashKeyOf(LPCSTR key) { return HashChars(key); }
inline UINT HashKeyOf(LPCWSTR key) { return HashChars(key); }
inline UINT HashKeyOf(const CString& key) { return HashChars((LPCSTR)key); }
template<class T>
inline UINT HashKeyOf(const T& key) { return (UINT)(((DWORD_PTR)key) >> 4); }

// Moves nCount live elements to raw memory, leaving the source raw. A type that cannot be copy- or
// move-constructed is default-constructed and assigned.
template<class TYPE>
void RelocateElements(TYPE* pDest, TYPE* pSrc, INT_PTR nCount)
{
    for (; nCount-- > 0; ++pDest, ++pSrc)
    {
        if constexpr (std::is_move_constructible_v<TYPE>)
            ::new ((void*)pDest) TYPE(std::move(*pSrc));
        else
        {
            ::new ((void*)pDest) TYPE();
            *pDest = std::move(*pSrc);
        }
        pSrc->~TYPE();
    }
}

}  // namespace LumAfxDetail

template<class TYPE>
AFX_INLINE void AFXAPI ConstructElements(TYPE* pElements, INT_PTR nCount)
{
    for (; nCount-- > 0; ++pElements)
        ::new ((void*)pElements) TYPE();
}

template<class TYPE>
AFX_INLINE void AFXAPI DestructElements(TYPE* pElements, INT_PTR nCount)
{
    for (; nCount-- > 0; ++pElements)
        pElements->~TYPE();
}

template<class TYPE>
AFX_INLINE void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount)
{
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

template<class TYPE, class ARG_TYPE>
AFX_INLINE BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

template<class ARG_KEY>
AFX_INLINE UINT AFXAPI HashKey(ARG_KEY key)
{
    return LumAfxDetail::HashKeyOf(key);
}

// ---- CArray -----------------------------------------------------------------------------------
template<class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    ~CArray() { SetSize(0); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra()
    {
        if (m_nSize != m_nMaxSize)
            Reallocate(m_nSize);
    }
    void RemoveAll() { SetSize(0); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_pData[nIndex]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[nIndex] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[nIndex]; }
    const TYPE& operator[](INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& operator[](INT_PTR nIndex) { return m_pData[nIndex]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

protected:
    TYPE* m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;

private:
    INT_PTR GrowStep() const { return m_nGrowBy > 0 ? m_nGrowBy : std::clamp<INT_PTR>(m_nSize / 8, 4, 1024); }
    void Reallocate(INT_PTR nNewMax);
};

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax)
{
    std::allocator<TYPE> alloc;
    TYPE* pNewData = nNewMax > 0 ? alloc.allocate(nNewMax) : NULL;
    LumAfxDetail::RelocateElements(pNewData, m_pData, m_nSize);
    if (m_pData)
        alloc.deallocate(m_pData, m_nMaxSize);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize > m_nMaxSize)
        Reallocate(std::max(nNewSize, m_nMaxSize + GrowStep()));
    if (nNewSize > m_nSize)
        ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
    else
        DestructElements(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
    if (nNewSize == 0)
        Reallocate(0);
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex >= m_nMaxSize)
    {
        // Growing moves the elements, and newElement may be one of them.
        TYPE value;
        value = newElement;
        SetSize(nIndex + 1);
        m_pData[nIndex] = std::move(value);
        return;
    }
    if (nIndex >= m_nSize)
        SetSize(nIndex + 1);
    m_pData[nIndex] = newElement;
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = m_nSize;
    INT_PTR nCount = src.m_nSize;   // taken first: src may be this array
    SetSize(nOldSize + nCount);
    CopyElements(m_pData + nOldSize, src.m_pData, nCount);
    return nOldSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    CopyElements(m_pData, src.m_pData, src.m_nSize);
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nCount <= 0)
        return;
    // Shifting moves the elements, and newElement may be one of them.
    TYPE value;
    value = newElement;
    INT_PTR nOldSize = m_nSize;
    if (nIndex >= nOldSize)
        SetSize(nIndex + nCount);
    else
    {
        SetSize(nOldSize + nCount);
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
    }
    std::fill_n(m_pData + nIndex, nCount, value);
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    INT_PTR nCount = pNewArray->GetSize();
    if (nCount == 0)
        return;
    InsertAt(nStartIndex, pNewArray->GetAt(0), nCount);
    for (INT_PTR i = 1; i < nCount; ++i)
        SetAt(nStartIndex + i, pNewArray->GetAt(i));
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
    DestructElements(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}

// ---- CList ------------------------------------------------------------------------------------
template<class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    CList(INT_PTR nBlockSize = 10)
        : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0), m_pNodeFree(NULL), m_pBlocks(NULL),
          m_nBlockSize(std::max<INT_PTR>(nBlockSize, 1)) {}
    ~CList() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return m_pNodeHead->data; }
    const TYPE& GetHead() const { return m_pNodeHead->data; }
    TYPE& GetTail() { return m_pNodeTail->data; }
    const TYPE& GetTail() const { return m_pNodeTail->data; }
    TYPE RemoveHead() { return Take(m_pNodeHead); }
    TYPE RemoveTail() { return Take(m_pNodeTail); }

    POSITION AddHead(ARG_TYPE newElement) { return Insert(NULL, m_pNodeHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return Insert(m_pNodeTail, NULL, newElement); }
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, &CNode::pNext)->data; }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, &CNode::pNext)->data; }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, &CNode::pPrev)->data; }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, &CNode::pPrev)->data; }
    TYPE& GetAt(POSITION position) { return ((CNode*)position)->data; }
    const TYPE& GetAt(POSITION position) const { return ((CNode*)position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ((CNode*)pos)->data = newElement; }
    void RemoveAt(POSITION position);

    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        CNode* pNode = (CNode*)position;
        return pNode ? Insert(pNode->pPrev, pNode, newElement) : AddHead(newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        CNode* pNode = (CNode*)position;
        return pNode ? Insert(pNode, pNode->pNext, newElement) : AddTail(newElement);
    }
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(INT_PTR nIndex) const;

protected:
    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    CNode* m_pNodeFree;
    CPlex* m_pBlocks;
    INT_PTR m_nBlockSize;

    CNode* NewNode(CNode* pPrev, CNode* pNext);
    void FreeNode(CNode* pNode);

private:
    POSITION Insert(CNode* pPrev, CNode* pNext, ARG_TYPE newElement);
    TYPE Take(CNode* pNode)
    {
        TYPE value = std::move(pNode->data);
        RemoveAt((POSITION)pNode);
        return value;
    }
    static CNode* Step(POSITION& rPosition, CNode* CNode::*pLink)
    {
        CNode* pNode = (CNode*)rPosition;
        rPosition = (POSITION)(pNode->*pLink);
        return pNode;
    }
};

template<class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(CNode* pPrev, CNode* pNext)
{
    if (!m_pNodeFree)
    {
        // Chained from the end so that nodes are handed out in address order.
        CNode* pNode = (CNode*)CPlex::Create(m_pBlocks, m_nBlockSize, sizeof(CNode))->data() + m_nBlockSize;
        for (INT_PTR i = 0; i < m_nBlockSize; ++i)
        {
            --pNode;
            pNode->pNext = m_pNodeFree;
            m_pNodeFree = pNode;
        }
    }
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = pNode->pNext;
    ConstructElements(&pNode->data, 1);
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    ++m_nCount;
    return pNode;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::FreeNode(CNode* pNode)
{
    DestructElements(&pNode->data, 1);
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    if (--m_nCount == 0)
        RemoveAll();   // gives the blocks back
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    for (CNode* pNode = m_pNodeHead; pNode; pNode = pNode->pNext)
        DestructElements(&pNode->data, 1);
    m_nCount = 0;
    m_pNodeHead = m_pNodeTail = m_pNodeFree = NULL;
    if (m_pBlocks)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Insert(CNode* pPrev, CNode* pNext, ARG_TYPE newElement)
{
    CNode* pNode = NewNode(pPrev, pNext);
    pNode->data = newElement;
    (pPrev ? pPrev->pNext : m_pNodeHead) = pNode;
    (pNext ? pNext->pPrev : m_pNodeTail) = pNode;
    return (POSITION)pNode;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pNode = (CNode*)position;
    (pNode->pPrev ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
    (pNode->pNext ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
    FreeNode(pNode);
}

// Both take the count first, so a list can be added to itself.
template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    POSITION pos = pNewList->GetTailPosition();
    for (INT_PTR n = pNewList->GetCount(); n > 0; --n)
        AddHead(pNewList->GetPrev(pos));
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    POSITION pos = pNewList->GetHeadPosition();
    for (INT_PTR n = pNewList->GetCount(); n > 0; --n)
        AddTail(pNewList->GetNext(pos));
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter ? ((CNode*)startAfter)->pNext : m_pNodeHead;
    for (; pNode; pNode = pNode->pNext)
        if (CompareElements<TYPE>(&pNode->data, &searchValue))
            return (POSITION)pNode;
    return NULL;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex--)
        pNode = pNode->pNext;
    return (POSITION)pNode;
}

// ---- CMap -------------------------------------------------------------------------------------
template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    class CPair
    {
    public:
        const KEY key;
        VALUE value;

    protected:
        CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

protected:
    class CAssoc : public CPair
    {
        friend class CMap;
        CAssoc* pNext;
        UINT nHashValue;   // the full hash; the bucket is nHashValue % m_nHashTableSize

    public:
        CAssoc(ARG_KEY key, UINT nHash) : CPair(key), pNext(NULL), nHashValue(nHash) {}
    };

public:
    CMap(INT_PTR nBlockSize = 10)
        : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0), m_pFreeList(NULL), m_pBlocks(NULL),
          m_nBlockSize(std::max<INT_PTR>(nBlockSize, 1)) {}
    ~CMap() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CPair* pPair = PLookup(key);
        if (!pPair)
            return FALSE;
        rValue = pPair->value;
        return TRUE;
    }
    const CPair* PLookup(ARG_KEY key) const
    {
        UINT nHash;
        return GetAssocAt(key, nHash);
    }
    CPair* PLookup(ARG_KEY key)
    {
        UINT nHash;
        return GetAssocAt(key, nHash);
    }
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return m_nCount ? BEFORE_START_POSITION : NULL; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;
    const CPair* PGetFirstAssoc() const { return FirstAssoc(); }
    CPair* PGetFirstAssoc() { return FirstAssoc(); }
    const CPair* PGetNextAssoc(const CPair* pAssocRet) const { return NextAssoc(static_cast<const CAssoc*>(pAssocRet)); }
    CPair* PGetNextAssoc(const CPair* pAssocRet) { return NextAssoc(static_cast<const CAssoc*>(pAssocRet)); }

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

protected:
    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    INT_PTR m_nCount;
    CAssoc* m_pFreeList;
    CPlex* m_pBlocks;
    INT_PTR m_nBlockSize;

    CAssoc* NewAssoc(ARG_KEY key, UINT nHash);
    void FreeAssoc(CAssoc* pAssoc);
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const;

private:
    void Link(CAssoc* pAssoc)
    {
        CAssoc*& pHead = m_pHashTable[pAssoc->nHashValue % m_nHashTableSize];
        pAssoc->pNext = pHead;
        pHead = pAssoc;
    }
    CAssoc* FirstInBuckets(UINT nBucket) const
    {
        for (; m_pHashTable && nBucket < m_nHashTableSize; ++nBucket)
            if (m_pHashTable[nBucket])
                return m_pHashTable[nBucket];
        return NULL;
    }
    CAssoc* FirstAssoc() const { return FirstInBuckets(0); }
    CAssoc* NextAssoc(const CAssoc* pAssoc) const
    {
        return pAssoc->pNext ? pAssoc->pNext : FirstInBuckets(pAssoc->nHashValue % m_nHashTableSize + 1);
    }
};

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    CAssoc** pOldTable = m_pHashTable;
    UINT nOldSize = m_nHashTableSize;
    m_nHashTableSize = hashSize;
    m_pHashTable = bAllocNow || m_nCount ? new CAssoc*[hashSize]() : NULL;
    for (UINT nBucket = 0; pOldTable && nBucket < nOldSize; ++nBucket)
        for (CAssoc *pAssoc = pOldTable[nBucket], *pNext; pAssoc; pAssoc = pNext)
        {
            pNext = pAssoc->pNext;
            Link(pAssoc);
        }
    delete[] pOldTable;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc(ARG_KEY key, UINT nHash)
{
    if (!m_pFreeList)
    {
        CAssoc* pAssoc = (CAssoc*)CPlex::Create(m_pBlocks, m_nBlockSize, sizeof(CAssoc))->data() + m_nBlockSize;
        for (INT_PTR i = 0; i < m_nBlockSize; ++i)
        {
            --pAssoc;
            pAssoc->pNext = m_pFreeList;
            m_pFreeList = pAssoc;
        }
    }
    CAssoc* pAssoc = m_pFreeList;
    m_pFreeList = pAssoc->pNext;
    ::new ((void*)pAssoc) CAssoc(key, nHash);
    if (!m_pHashTable)
        InitHashTable(m_nHashTableSize);
    Link(pAssoc);
    ++m_nCount;
    return pAssoc;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc* pAssoc)
{
    pAssoc->~CAssoc();
    pAssoc->pNext = m_pFreeList;
    m_pFreeList = pAssoc;
    if (--m_nCount == 0)
        RemoveAll();   // gives the blocks and the table back
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nHash) const
{
    nHash = HashKey<ARG_KEY>(key);
    if (!m_pHashTable)
        return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nHash % m_nHashTableSize]; pAssoc; pAssoc = pAssoc->pNext)
        if (pAssoc->nHashValue == nHash && CompareElements<KEY>(&pAssoc->key, &key))
            return pAssoc;
    return NULL;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    return (pAssoc ? pAssoc : NewAssoc(key, nHash))->value;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (!m_pHashTable)
        return FALSE;
    UINT nHash = HashKey<ARG_KEY>(key);
    for (CAssoc** ppAssoc = &m_pHashTable[nHash % m_nHashTableSize]; *ppAssoc; ppAssoc = &(*ppAssoc)->pNext)
    {
        CAssoc* pAssoc = *ppAssoc;
        if (pAssoc->nHashValue == nHash && CompareElements<KEY>(&pAssoc->key, &key))
        {
            *ppAssoc = pAssoc->pNext;
            FreeAssoc(pAssoc);
            return TRUE;
        }
    }
    return FALSE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    for (UINT nBucket = 0; m_pHashTable && nBucket < m_nHashTableSize; ++nBucket)
        for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc; pAssoc = pAssoc->pNext)
            pAssoc->~CAssoc();
    delete[] m_pHashTable;
    m_pHashTable = NULL;
    m_nCount = 0;
    m_pFreeList = NULL;
    if (m_pBlocks)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    const CAssoc* pAssoc = rNextPosition == BEFORE_START_POSITION ? FirstAssoc() : (const CAssoc*)rNextPosition;
    rNextPosition = (POSITION)NextAssoc(pAssoc);
    rKey = pAssoc->key;
    rValue = pAssoc->value;
}

// ---- typed pointer collections ----------------------------------------------------------------
// Type-safe faces of CPtrList/CObList, CPtrArray/CObArray and the pointer maps.
template<class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
public:
    CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
};

template<class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(INT_PTR nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) { BASE_CLASS::InsertAt(nIndex, newElement, nCount); }
    void InsertAt(INT_PTR nStartIndex, CTypedPtrArray* pNewArray) { BASE_CLASS::InsertAt(nStartIndex, pNewArray); }
    TYPE operator[](INT_PTR nIndex) const { return (TYPE)BASE_CLASS::operator[](nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return (TYPE&)BASE_CLASS::operator[](nIndex); }
};

template<class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS
{
public:
    CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_VALUE value;
        if (!BASE_CLASS::Lookup(key, value))
            return FALSE;
        rValue = (VALUE)value;
        return TRUE;
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) { return (VALUE&)BASE_CLASS::operator[](key); }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_KEY key;
        typename BASE_CLASS::BASE_VALUE value;
        BASE_CLASS::GetNextAssoc(rPosition, key, value);
        rKey = (KEY)key;
        rValue = (VALUE)value;
    }
};

#endif  // __AFXTEMPL_H__
