#include <gtest/gtest.h>
#include <afx.h>

TEST(Smoke, StringFormat)
{
    CString s;
    s.Format("%s-%d", "a", 5);
    EXPECT_STREQ("a-5", s);
}
