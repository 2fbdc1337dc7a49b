#include "support/harness.h"

#include <gtest/gtest-spi.h>

namespace lumtest {
namespace {

TEST(HarnessMessageBox, ReadsAndAnswersARealBox)
{
    static const struct {
        UINT type;
        std::vector<int> buttons;
        int answer;  // without Answer()
    } kCases[] = {
        {MB_OK, {IDOK}, IDOK},
        {MB_YESNOCANCEL | MB_ICONQUESTION, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {MB_YESNO, {IDYES, IDNO}, IDYES},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE("type " + std::to_string(c.type));
        MessageBoxCatcher catcher(1);
        EXPECT_EQ(c.answer, MessageBoxA(nullptr, "Save the changes?", "Lum title", c.type));
        ASSERT_EQ(1u, catcher.Boxes().size());
        const MessageBoxCatcher::Box& box = catcher.Boxes()[0];
        EXPECT_EQ("Lum title", box.title);
        EXPECT_EQ("Save the changes?", box.text);
        std::vector<int> ids;
        for (const auto& b : box.buttons) {
            ids.push_back(b.id);
            EXPECT_FALSE(b.text.empty()) << b.id;
        }
        EXPECT_EQ(c.buttons, ids) << Describe(box);
        EXPECT_EQ(c.answer, box.answer);
    }
}

TEST(HarnessMessageBox, AnswersWithTheChosenButton)
{
    MessageBoxCatcher catcher(2);
    catcher.Answer(IDNO);
    EXPECT_EQ(IDNO, MessageBoxA(nullptr, "first", "t", MB_YESNOCANCEL));
    EXPECT_EQ(IDOK, MessageBoxA(nullptr, "no such button: falls back", "t", MB_OK));
    EXPECT_EQ("&No", catcher.Boxes()[0].buttons[1].text);
}

TEST(HarnessMessageBox, UnexpectedBoxesFailTheTest)
{
    EXPECT_NONFATAL_FAILURE(MessageBoxA(nullptr, "stray", "Stray", MB_OK),
                            "unexpected message box \"Stray\": \"stray\" [OK=1] answered 1");
    EXPECT_NONFATAL_FAILURE(
        {
            MessageBoxCatcher catcher;
            MessageBoxA(nullptr, "one", "Extra", MB_OKCANCEL);
        },
        "expected 0 message box(es), saw 1\n  \"Extra\": \"one\" [OK=1, Cancel=2] answered 2");
    EXPECT_NONFATAL_FAILURE(
        {
            MessageBoxCatcher catcher(MessageBoxCatcher::kAny);
            MessageBoxA(nullptr, "two", "Extra", MB_OK);
            catcher.ExpectNone();
        },
        "expected no message box, saw 1");
    MessageBoxCatcher none(MessageBoxCatcher::kAny);
    EXPECT_NONFATAL_FAILURE({ MessageBoxCatcher one(1); }, "expected 1 message box(es), saw 0");
}

using HarnessOwnedMessageBox = DialogTest;

TEST_F(HarnessOwnedMessageBox, OwnerIsEnabledAndActiveAgain)
{
    {
        MessageBoxCatcher catcher(1);
        EXPECT_EQ(IDOK, MessageBoxA(hwnd(), "owned", "Owned", MB_OK | MB_ICONWARNING));
        EXPECT_EQ("owned", catcher.Boxes().at(0).text);
    }
    EXPECT_TRUE(IsWindowEnabled(hwnd()));
    EXPECT_TRUE(WaitFor([&] { return GetActiveWindow() == hwnd(); }, 1000));
}

}  // namespace
}  // namespace lumtest
