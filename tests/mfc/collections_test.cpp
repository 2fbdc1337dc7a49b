// The collection templates and the MFC collection classes built on them.
#include <gtest/gtest.h>
#include <afx.h>
#include <afxtempl.h>
#include <algorithm>
#include <vector>

namespace {

// Counts the live instances, to see that collections construct and destroy their elements.
struct Tracked
{
    static int s_nLive;
    int n;
    Tracked(int value = 0) : n(value) { ++s_nLive; }
    Tracked(const Tracked& other) : n(other.n) { ++s_nLive; }
    Tracked& operator=(const Tracked& other) = default;
    ~Tracked() { --s_nLive; }
    bool operator==(const Tracked& other) const { return n == other.n; }
};
int Tracked::s_nLive = 0;

// An MFC-style element: assignable, but not copy-constructible (CObject forbids it).
class CItem : public CObject
{
public:
    CItem(int value = 0) : n(value) {}
    CItem& operator=(const CItem& other)
    {
        n = other.n;
        return *this;
    }
    int n;
};

template<class LIST>
std::vector<int> Forward(const LIST& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        values.push_back(list.GetNext(pos));
    return values;
}

template<class LIST>
std::vector<int> Backward(const LIST& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetTailPosition(); pos;)
        values.push_back(list.GetPrev(pos));
    return values;
}

std::vector<int> Range(int nFirst, int nCount)
{
    std::vector<int> values;
    for (int i = 0; i < nCount; ++i)
        values.push_back(nFirst + i);
    return values;
}

LOGFONT MakeFont(int nHeight)
{
    LOGFONT lf = {};
    lf.lfHeight = nHeight;
    wsprintfA(lf.lfFaceName, "Face %d", nHeight);
    return lf;
}

HWND FakeWindow(int i) { return (HWND)(ULONG_PTR)(0x10000 + i * 4); }

}  // namespace

TEST(CollectionsList, IntAcrossBlocks)
{
    CList<int, int> list;
    for (int i = 0; i < 30; ++i)
        list.AddTail(i);
    EXPECT_EQ(30, list.GetCount());
    EXPECT_EQ(Range(0, 30), Forward(list));
    std::vector<int> reversed = Range(0, 30);
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(reversed, Backward(list));
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(i, list.GetAt(list.FindIndex(i))) << i;
    EXPECT_EQ(nullptr, list.FindIndex(30));
    EXPECT_EQ(nullptr, list.FindIndex(-1));

    // Remove the even values while walking.
    for (POSITION pos = list.GetHeadPosition(); pos;)
    {
        POSITION cur = pos;
        if (list.GetNext(pos) % 2 == 0)
            list.RemoveAt(cur);
    }
    EXPECT_EQ(15, list.GetSize());
    EXPECT_EQ(1, list.GetHead());
    EXPECT_EQ(29, list.GetTail());

    POSITION pos7 = list.Find(7);
    ASSERT_TRUE(pos7 != NULL);
    list.InsertBefore(pos7, 6);
    list.InsertAfter(pos7, 8);
    list.InsertBefore(NULL, -1);
    list.InsertAfter(NULL, 100);
    EXPECT_EQ(list.Find(8), list.Find(8, pos7));
    EXPECT_EQ(nullptr, list.Find(7, pos7));
    EXPECT_EQ(-1, list.RemoveHead());
    EXPECT_EQ(100, list.RemoveTail());
    const std::vector<int> values = Forward(list);
    EXPECT_EQ((std::vector<int>{1, 3, 5, 6, 7, 8, 9, 11}), std::vector<int>(values.begin(), values.begin() + 8));

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    list.AddHead(5);
    list.AddHead(4);
    EXPECT_EQ((std::vector<int>{4, 5}), Forward(list));
}

TEST(CollectionsList, LogFonts)
{
    CList<LOGFONT, LOGFONT&> list;
    for (int i = 1; i <= 25; ++i)
    {
        LOGFONT lf = MakeFont(i);
        list.AddTail(lf);
    }
    LOGFONT first = MakeFont(0);
    list.AddHead(first);
    EXPECT_EQ(26, list.GetCount());

    int nExpected = 0;
    for (POSITION pos = list.GetHeadPosition(); pos; ++nExpected)
    {
        const LOGFONT& lf = list.GetNext(pos);
        EXPECT_EQ(nExpected, lf.lfHeight);
        EXPECT_STREQ(MakeFont(nExpected).lfFaceName, lf.lfFaceName);
    }

    list.RemoveAt(list.FindIndex(10));
    EXPECT_EQ(11, list.GetAt(list.FindIndex(10)).lfHeight);
    list.GetAt(list.FindIndex(0)).lfWeight = FW_BOLD;
    EXPECT_EQ(FW_BOLD, list.GetHead().lfWeight);
    EXPECT_EQ(25, list.RemoveTail().lfHeight);
    list.RemoveAll();
    EXPECT_EQ(0, list.GetCount());
}

TEST(CollectionsList, Strings)
{
    CList<CString, CString&> list;
    for (int i = 0; i < 30; ++i)
    {
        CString s;
        s.Format("item %02d", i);
        list.AddTail(s);
    }
    CString wanted("item 17");
    POSITION pos = list.Find(wanted);
    ASSERT_TRUE(pos != NULL);
    EXPECT_EQ(pos, list.FindIndex(17));
    CString replacement("seventeen");
    list.SetAt(pos, replacement);
    EXPECT_EQ(nullptr, list.Find(wanted));
    EXPECT_STREQ("seventeen", list.GetAt(list.FindIndex(17)));

    list.AddTail(list.GetHead());   // an element of the list itself
    EXPECT_STREQ("item 00", list.GetTail());
    EXPECT_STREQ("item 00", list.RemoveHead());
    EXPECT_STREQ("item 01", list.GetHead());
    EXPECT_EQ(30, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
}

TEST(CollectionsList, ElementsAreConstructedAndDestroyed)
{
    {
        CList<Tracked, const Tracked&> list;
        for (int i = 0; i < 25; ++i)
            list.AddTail(Tracked(i));
        EXPECT_EQ(25, Tracked::s_nLive);
        list.RemoveAt(list.Find(Tracked(3)));
        list.RemoveHead();
        EXPECT_EQ(23, Tracked::s_nLive);

        CList<Tracked, const Tracked&> copy;
        copy.AddTail(&list);
        copy.AddHead(&copy);
        EXPECT_EQ(46, copy.GetCount());
        EXPECT_EQ(23 + 46, Tracked::s_nLive);
        copy.RemoveAll();
        EXPECT_EQ(23, Tracked::s_nLive);
    }
    EXPECT_EQ(0, Tracked::s_nLive);
}

TEST(CollectionsList, PtrListStringListAndTypedList)
{
    int values[5] = {};
    CPtrList ptrs;
    EXPECT_STREQ("CPtrList", ptrs.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(ptrs.IsKindOf(RUNTIME_CLASS(CObject)));
    for (int& v : values)
        ptrs.AddTail(&v);
    EXPECT_EQ(ptrs.FindIndex(2), ptrs.Find(&values[2]));
    ptrs.RemoveAt(ptrs.Find(&values[2]));
    EXPECT_EQ(nullptr, ptrs.Find(&values[2]));
    EXPECT_EQ(&values[0], ptrs.RemoveHead());
    EXPECT_EQ(&values[4], ptrs.GetTail());
    EXPECT_EQ(3, ptrs.GetCount());

    CStringList strings;
    strings.AddTail("b");
    strings.AddTail(CString("c"));
    strings.AddHead("a");
    strings.AddTail(&strings);
    EXPECT_EQ(6, strings.GetCount());
    EXPECT_EQ(strings.FindIndex(4), strings.Find("b", strings.Find("b")));
    EXPECT_STREQ("CStringList", strings.GetRuntimeClass()->m_lpszClassName);

    CTypedPtrList<CPtrList, RECT*> rects;
    RECT r1 = {1, 2, 3, 4}, r2 = {5, 6, 7, 8};
    rects.AddTail(&r1);
    rects.AddTail(&r2);
    POSITION pos = rects.GetHeadPosition();
    EXPECT_EQ(1, rects.GetNext(pos)->left);
    EXPECT_EQ(5, rects.GetNext(pos)->left);
    rects.GetHead() = &r2;
    EXPECT_EQ(&r2, rects.RemoveHead());
}

TEST(CollectionsArray, Grow)
{
    CArray<int, int> arr;
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(i, arr.Add(i * 3));
    EXPECT_EQ(1000, arr.GetSize());
    EXPECT_EQ(999, arr.GetUpperBound());
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(i * 3, arr[i]) << i;

    // nGrowBy reserves room: no element moves while it lasts.
    CArray<int, int> reserved;
    reserved.SetSize(0, 100);
    reserved.Add(0);
    const int* pData = reserved.GetData();
    for (int i = 1; i < 100; ++i)
        reserved.Add(i);
    EXPECT_EQ(pData, reserved.GetData());

    CDWordArray dwords;
    dwords.SetSize(10);
    dwords.SetAtGrow(15, 7);
    EXPECT_EQ(16, dwords.GetSize());
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(0u, dwords[i]) << i;
    EXPECT_EQ(7u, dwords.GetAt(15));
    dwords.SetSize(4);
    dwords.FreeExtra();
    EXPECT_EQ(4, dwords.GetCount());
    dwords.RemoveAll();
    EXPECT_TRUE(dwords.IsEmpty());
    EXPECT_EQ(nullptr, dwords.GetData());
}

TEST(CollectionsArray, InsertRemoveCopyAppend)
{
    CUIntArray arr;
    for (UINT i = 0; i < 5; ++i)
        arr.Add(i);
    arr.InsertAt(2, 9, 3);
    arr.RemoveAt(0);
    arr.InsertAt(10, 4);   // past the end: the gap is zero-filled
    const UINT expected[] = {1, 9, 9, 9, 2, 3, 4, 0, 0, 0, 4};
    ASSERT_EQ(11, arr.GetSize());
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(expected[i], arr[i]) << i;

    CUIntArray other;
    other.Copy(arr);
    other.RemoveAt(1, 9);
    EXPECT_EQ(2, other.GetSize());
    EXPECT_EQ(2, other.Append(other));
    EXPECT_EQ(4, other.GetSize());
    arr.InsertAt(1, &other);
    EXPECT_EQ(15, arr.GetSize());
    const UINT head[] = {1, 1, 4, 1, 4, 9};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(head[i], arr[i]) << i;
}

TEST(CollectionsArray, StringsAndOwnElements)
{
    CStringArray arr;
    arr.Add("first");
    for (int i = 0; i < 100; ++i)
        arr.Add(arr[0]);   // the array grows under its own element
    arr.InsertAt(0, arr[5], 2);
    arr.SetAtGrow(arr.GetSize(), arr[0]);
    EXPECT_EQ(104, arr.GetSize());
    for (int i = 0; i < arr.GetSize(); ++i)
        ASSERT_STREQ("first", arr[i]) << i;

    CArray<CString, const CString&> strings;
    strings.Add(CString("x"));
    for (int i = 0; i < 50; ++i)
        strings.Add(strings[strings.GetUpperBound()] + "x");
    EXPECT_EQ(51, strings[50].GetLength());
    EXPECT_STREQ("CStringArray", arr.GetRuntimeClass()->m_lpszClassName);
}

TEST(CollectionsArray, ElementsAreConstructedAndDestroyed)
{
    {
        CArray<Tracked, const Tracked&> arr;
        arr.SetSize(30);
        EXPECT_EQ(30, Tracked::s_nLive);
        arr.RemoveAt(0, 10);
        EXPECT_EQ(20, Tracked::s_nLive);
        arr.InsertAt(5, Tracked(1), 5);
        arr.FreeExtra();
        EXPECT_EQ(25, Tracked::s_nLive);
    }
    EXPECT_EQ(0, Tracked::s_nLive);

    CArray<CItem, CItem&> items;
    for (int i = 0; i < 40; ++i)
    {
        CItem item(i);
        items.Add(item);
    }
    items.InsertAt(0, items[39]);
    EXPECT_EQ(39, items[0].n);
    EXPECT_EQ(38, items[39].n);

    CTypedPtrArray<CObArray, CItem*> typed;
    typed.Add(&items[3]);
    typed.SetAtGrow(2, &items[4]);
    EXPECT_EQ(2, typed[0]->n);
    EXPECT_EQ(nullptr, typed.GetAt(1));
    EXPECT_EQ(3, typed.ElementAt(2)->n);
}

TEST(CollectionsMap, HashKeys)
{
    const struct
    {
        UINT actual;
        UINT expected;
    } cases[] = {
        {HashKey<HWND>((HWND)0x12345678), 0x1234567},
        {HashKey<int>(160), 10},
        {HashKey<WORD>(15), 0},
        {HashKey<LPCTSTR>("ab"), 'a' * 33 + 'b'},
        {HashKey<LPCTSTR>(""), 0},
        {HashKey<const CString&>(CString("ab")), 'a' * 33 + 'b'},
        {HashKey<LPCWSTR>(L"ab"), 'a' * 33 + 'b'},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
        EXPECT_EQ(cases[i].expected, cases[i].actual) << "case " << i;
}

TEST(CollectionsMap, WindowHandles)
{
    CMap<HWND, HWND, void*, void*> map;
    EXPECT_EQ(17u, map.GetHashTableSize());
    for (int i = 0; i < 1000; ++i)
        map.SetAt(FakeWindow(i), (void*)(INT_PTR)i);
    EXPECT_EQ(1000, map.GetCount());
    for (int i = 0; i < 1000; ++i)
    {
        void* p = NULL;
        ASSERT_TRUE(map.Lookup(FakeWindow(i), p)) << i;
        EXPECT_EQ((void*)(INT_PTR)i, p);
    }
    void* p = NULL;
    EXPECT_FALSE(map.Lookup(FakeWindow(1000), p));

    for (int i = 1; i < 1000; i += 2)
        EXPECT_TRUE(map.RemoveKey(FakeWindow(i))) << i;
    EXPECT_FALSE(map.RemoveKey(FakeWindow(1)));
    EXPECT_EQ(500, map.GetCount());

    int nSeen = 0;
    for (POSITION pos = map.GetStartPosition(); pos; ++nSeen)
    {
        HWND hWnd;
        void* pValue;
        map.GetNextAssoc(pos, hWnd, pValue);
        EXPECT_EQ(FakeWindow((int)(INT_PTR)pValue), hWnd);
        EXPECT_EQ(0, (INT_PTR)pValue % 2);
        if ((INT_PTR)pValue % 4 == 0)
            map.RemoveKey(hWnd);   // removing the current association keeps the walk valid
    }
    EXPECT_EQ(500, nSeen);
    EXPECT_EQ(250, map.GetCount());
    map.RemoveAll();
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(CollectionsMap, IntegerKeys)
{
    CMap<int, int, CString, LPCTSTR> map;
    map.InitHashTable(257);
    EXPECT_EQ(257u, map.GetHashTableSize());
    for (int i = 0; i < 1000; ++i)
        map[i].Format("v%d", i);
    for (int i = 0; i < 1000; i += 7)
    {
        const CMap<int, int, CString, LPCTSTR>::CPair* pPair = map.PLookup(i);
        ASSERT_TRUE(pPair != NULL) << i;
        EXPECT_EQ(i, pPair->key);
        CString expected;
        expected.Format("v%d", i);
        EXPECT_STREQ(expected, pPair->value);
    }
    map.SetAt(5, "five");
    CString value;
    EXPECT_TRUE(map.Lookup(5, value));
    EXPECT_STREQ("five", value);
    EXPECT_EQ(nullptr, map.PLookup(-5));

    int nSum = 0, nCount = 0;
    for (const CMap<int, int, CString, LPCTSTR>::CPair* pPair = map.PGetFirstAssoc(); pPair;
         pPair = map.PGetNextAssoc(pPair))
    {
        nSum += pPair->key;
        ++nCount;
    }
    EXPECT_EQ(1000, nCount);
    EXPECT_EQ(999 * 1000 / 2, nSum);
}

TEST(CollectionsMap, ValuesAreConstructedAndDestroyed)
{
    {
        CMap<int, int, Tracked, const Tracked&> map(4);
        for (int i = 0; i < 100; ++i)
            map.SetAt(i, Tracked(i));
        EXPECT_EQ(100, Tracked::s_nLive);
        for (int i = 0; i < 100; i += 2)
            map.RemoveKey(i);
        EXPECT_EQ(50, Tracked::s_nLive);
        Tracked t;
        EXPECT_TRUE(map.Lookup(51, t));
        EXPECT_EQ(51, t.n);
    }
    EXPECT_EQ(0, Tracked::s_nLive);
}

TEST(CollectionsMap, StringMaps)
{
    CMapStringToString names;
    names.SetAt("one", "1");
    names["two"] = "2";
    names["One"] = "I";
    EXPECT_EQ(3, names.GetCount());
    CString value;
    EXPECT_TRUE(names.Lookup("one", value));
    EXPECT_STREQ("1", value);
    EXPECT_TRUE(names.Lookup(CString("One"), value));
    EXPECT_STREQ("I", value);

    char key[] = "two";
    LPCTSTR pszStored = NULL;
    EXPECT_TRUE(names.LookupKey(key, pszStored));
    EXPECT_STREQ("two", pszStored);
    EXPECT_NE((LPCTSTR)key, pszStored);
    EXPECT_FALSE(names.LookupKey("three", pszStored));
    EXPECT_TRUE(names.RemoveKey("two"));
    EXPECT_FALSE(names.Lookup("two", value));

    CMap<CString, const CString&, int, int> counts;
    for (LPCSTR pszWord : {"a", "b", "a", "c", "a"})
        ++counts[pszWord];
    int nCount = 0;
    EXPECT_TRUE(counts.Lookup("a", nCount));
    EXPECT_EQ(3, nCount);
    EXPECT_EQ(3, counts.GetCount());

    CMapStringToPtr ptrs;
    int n = 0;
    ptrs["n"] = &n;
    void* p = NULL;
    EXPECT_TRUE(ptrs.Lookup("n", p));
    EXPECT_EQ(&n, p);
    EXPECT_STREQ("CMapStringToPtr", ptrs.GetRuntimeClass()->m_lpszClassName);

    CTypedPtrMap<CMapPtrToPtr, HWND, CString*> windows;
    CString title("title");
    windows.SetAt(FakeWindow(1), &title);
    CString* pTitle = NULL;
    EXPECT_TRUE(windows.Lookup(FakeWindow(1), pTitle));
    EXPECT_EQ(&title, pTitle);
    EXPECT_EQ(&title, windows[FakeWindow(1)]);
    POSITION pos = windows.GetStartPosition();
    HWND hWnd = NULL;
    windows.GetNextAssoc(pos, hWnd, pTitle);
    EXPECT_EQ(FakeWindow(1), hWnd);
    EXPECT_EQ(nullptr, pos);
    EXPECT_TRUE(windows.RemoveKey(FakeWindow(1)));
    EXPECT_TRUE(windows.IsEmpty());
}
