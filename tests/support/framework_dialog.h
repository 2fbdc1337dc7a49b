// A dialog test whose parent dialog is subclassed by a framework window: controls are created
// with `&parent` as their parent, and its message map sees their notifications.
#pragma once
#include <afxwin.h>
#include "support/harness.h"

namespace lumtest {

template <class TParent = CWnd>
class FrameworkDialogTest : public DialogTest
{
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_TRUE(parent.SubclassWindow(hwnd()));
    }
    void TearDown() override
    {
        parent.UnsubclassWindow();
        DialogTest::TearDown();
    }

    TParent parent;
};

}  // namespace lumtest
