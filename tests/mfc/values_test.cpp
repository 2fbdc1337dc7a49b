// CString, CPoint, CSize and CRect.
#include <gtest/gtest.h>
#include <afx.h>
#include <string.h>
#include <utility>

namespace {

struct StringCase
{
    CString actual;
    const char* expected;
};

void ExpectAll(const StringCase* cases, size_t nCount)
{
    for (size_t i = 0; i < nCount; ++i)
        EXPECT_STREQ(cases[i].expected, cases[i].actual) << "case " << i;
}

template<class... Args>
CString Formatted(LPCSTR pszFormat, const Args&... args)
{
    CString str;
    str.Format(pszFormat, args...);
    return str;
}

}  // namespace

TEST(ValuesString, FormatTakesCStringArguments)
{
    const CString world("world");
    const StringCase cases[] = {
        {Formatted("%s-%d", "a", 5), "a-5"},
        {Formatted("hello %s!", world), "hello world!"},
        {Formatted("%s and %s", world, CString("moon")), "world and moon"},
        {Formatted("[%8s|%-6s]", world, world.Left(2)), "[   world|wo    ]"},
        {Formatted("%5.2f|%-4d|%04X|%c", 3.14159, 7, 255, 'z'), " 3.14|7   |00FF|z"},
        {Formatted("%I64d %u", (LONGLONG)-1234567890123, 4000000000u), "-1234567890123 4000000000"},
        {Formatted("100%%"), "100%"},
        {Formatted(""), ""},
    };
    ExpectAll(cases, sizeof(cases) / sizeof(cases[0]));

    CString big;
    big.Format("%s%s", CString('x', 3000), "y");
    EXPECT_EQ(3001, big.GetLength());
    EXPECT_EQ('y', big[3000]);
}

TEST(ValuesString, FormatOfItself)
{
    CString s("abc");
    s.Format("%s|%s", s, s);
    EXPECT_STREQ("abc|abc", s);
    s.Format("<%s>", (LPCSTR)s);
    EXPECT_STREQ("<abc|abc>", s);
    s.AppendFormat("%s", s);
    EXPECT_STREQ("<abc|abc><abc|abc>", s);
    s.Format("%s%d", s.Mid(1, 3), s.GetLength());
    EXPECT_STREQ("abc18", s);

    CString m;
    m.FormatMessage("%1 has %2!d! items", CString("list"), 3);
    EXPECT_STREQ("list has 3 items", m);
}

TEST(ValuesString, Extraction)
{
    const CString s("Hello, World");
    const StringCase cases[] = {
        {s.Mid(7), "World"},        {s.Mid(7, 3), "Wor"},      {s.Mid(20), ""},
        {s.Mid(-3, 2), "He"},       {s.Mid(10, 50), "ld"},     {s.Left(5), "Hello"},
        {s.Left(0), ""},            {s.Left(99), "Hello, World"}, {s.Right(5), "World"},
        {s.Right(-1), ""},          {s.SpanIncluding("HeloW"), "Hello"}, {s.SpanExcluding(","), "Hello"},
    };
    ExpectAll(cases, sizeof(cases) / sizeof(cases[0]));
}

TEST(ValuesString, Find)
{
    const CString s("Hello, World");
    const struct
    {
        int actual;
        int expected;
    } cases[] = {
        {s.Find('o'), 4},        {s.Find('o', 5), 8},  {s.Find("World"), 7},  {s.Find("world"), -1},
        {s.Find('z'), -1},       {s.Find("o", 9), -1}, {s.Find('H', 100), -1}, {s.Find(""), 0},
        {s.ReverseFind('o'), 8}, {s.ReverseFind('q'), -1}, {s.FindOneOf("W,"), 5}, {s.FindOneOf("xyz"), -1},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
        EXPECT_EQ(cases[i].expected, cases[i].actual) << "case " << i;
}

TEST(ValuesString, Replace)
{
    const struct
    {
        const char* source;
        const char* oldText;
        const char* newText;
        const char* expected;
        int nCount;
    } cases[] = {
        {"a.b.c", ".", "::", "a::b::c", 2},
        {"aaa", "a", "aa", "aaaaaa", 3},
        {"abc", "x", "y", "abc", 0},
        {"abcabc", "abc", "", "", 2},
        {"abc", "", "y", "abc", 0},
    };
    for (const auto& c : cases)
    {
        CString s(c.source);
        EXPECT_EQ(c.nCount, s.Replace(c.oldText, c.newText)) << c.source;
        EXPECT_STREQ(c.expected, s) << c.source;
    }
    CString s("a-b-c");
    EXPECT_EQ(2, s.Replace('-', '+'));
    EXPECT_STREQ("a+b+c", s);
    EXPECT_EQ(2, s.Remove('+'));
    EXPECT_STREQ("abc", s);
}

TEST(ValuesString, CaseAndComparison)
{
    CString s("MiXed 1");
    EXPECT_STREQ("MIXED 1", s.MakeUpper());
    EXPECT_STREQ("mixed 1", s.MakeLower());
    EXPECT_STREQ("1 dexim", s.MakeReverse());

    const CString abc("abc");
    EXPECT_EQ(0, abc.Compare("abc"));
    EXPECT_LT(abc.Compare("abd"), 0);
    EXPECT_GT(abc.Compare("ab"), 0);
    EXPECT_GT(abc.Compare(NULL), 0);
    EXPECT_EQ(0, abc.CompareNoCase("ABC"));
    EXPECT_NE(0, abc.Compare("ABC"));
    EXPECT_TRUE(abc == "abc" && "abc" == abc && abc != "abd" && abc < "abd" && "abd" > abc);
    EXPECT_TRUE(abc <= CString("abc") && abc >= "ab");
}

TEST(ValuesString, GetBufferAndReleaseBuffer)
{
    CString s;
    strcpy(s.GetBuffer(100), "filled in");
    s.ReleaseBuffer();
    EXPECT_EQ(9, s.GetLength());
    EXPECT_STREQ("filled in", s);

    s.GetBuffer(0)[0] = 'F';
    s.ReleaseBuffer(3);
    EXPECT_STREQ("Fil", s);

    memcpy(s.GetBufferSetLength(4), "abcd", 4);
    EXPECT_STREQ("abcd", s);

    CString path;
    DWORD n = ::GetTempPathA(MAX_PATH, path.GetBuffer(MAX_PATH));
    path.ReleaseBuffer();
    EXPECT_EQ((int)n, path.GetLength());
    EXPECT_EQ('\\', path[path.GetLength() - 1]);
}

TEST(ValuesString, Tokenize)
{
    const struct
    {
        const char* source;
        const char* tokens;
        const char* expected;   // tokens joined by '|'
    } cases[] = {
        {"a,b;;c", ",;", "a|b|c"},
        {";;x;", ";", "x"},
        {"one two", " ", "one|two"},
        {"", ",", ""},
        {",,,", ",", ""},
    };
    for (const auto& c : cases)
    {
        const CString s(c.source);
        CString joined;
        int iStart = 0;
        for (CString token = s.Tokenize(c.tokens, iStart); iStart != -1; token = s.Tokenize(c.tokens, iStart))
            joined += (joined.IsEmpty() ? "" : "|") + token;
        EXPECT_STREQ(c.expected, joined) << c.source;
    }
}

TEST(ValuesString, Trim)
{
    const StringCase cases[] = {
        {CString("  a b \t\r\n").Trim(), "a b"},
        {CString("  a b  ").TrimLeft(), "a b  "},
        {CString("  a b  ").TrimRight(), "  a b"},
        {CString("xxaxx").Trim('x'), "a"},
        {CString("xyaxy").Trim("xy"), "a"},
        {CString("   ").Trim(), ""},
        {CString("").Trim(), ""},
    };
    ExpectAll(cases, sizeof(cases) / sizeof(cases[0]));
}

TEST(ValuesString, AssignmentAndAppendOfItself)
{
    CString s("abc");
    CString& same = s;
    s = same;
    EXPECT_STREQ("abc", s);
    s = (LPCSTR)s;
    EXPECT_STREQ("abc", s);
    s += s;
    EXPECT_STREQ("abcabc", s);
    s += (LPCSTR)s + 4;
    EXPECT_STREQ("abcabcbc", s);
    s = s.Mid(2);
    EXPECT_STREQ("cabcbc", s);
    s = s + s;
    EXPECT_STREQ("cabcbccabcbc", s);
    s = (LPCSTR)s + 6;
    EXPECT_STREQ("cabcbc", s);
}

TEST(ValuesString, EditsAndConversions)
{
    CString s("held");
    EXPECT_EQ(5, s.Insert(2, 'l'));
    EXPECT_EQ(9, s.Insert(0, "oh, "));
    EXPECT_STREQ("oh, helld", s);
    EXPECT_EQ(8, s.Delete(7));
    EXPECT_EQ(6, s.Delete(0, 2));
    EXPECT_STREQ(", held", s);
    s.SetAt(0, ';');
    EXPECT_EQ(';', s.GetAt(0));

    const StringCase cases[] = {
        {CString(L"wide text"), "wide text"},
        {CString('-', 3), "---"},
        {CString("abcdef", 3), "abc"},
        {CString('a') + "b" + CString("c") + 'd', "abcd"},
    };
    ExpectAll(cases, sizeof(cases) / sizeof(cases[0]));

    CString moved("moved");
    CString target(std::move(moved));
    EXPECT_STREQ("moved", target);
    EXPECT_TRUE(moved.IsEmpty());
    moved = std::move(target);
    EXPECT_STREQ("moved", moved);
}

