#include "probe.h"
#include "support/harness.h"

#include <gtest/gtest-spi.h>

namespace lumtest {
namespace {

constexpr RECT kChildRect = {20, 30, 120, 90};

// Sends the dumps of deliberate failures to a temporary folder, removed afterwards.
class ScopedDumpDir {
public:
    ScopedDumpDir()
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        dir_ = std::string(temp) + "lumtest-dumps";
        SetEnvironmentVariableA("LUM_DUMP_DIR", dir_.c_str());
    }
    ~ScopedDumpDir()
    {
        SetEnvironmentVariableA("LUM_DUMP_DIR", nullptr);
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((dir_ + "\\*.bmp").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((dir_ + "\\" + found.cFileName).c_str());
            while (FindNextFileA(find, &found));
            FindClose(find);
        }
        RemoveDirectoryA(dir_.c_str());
    }
    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
};

class HarnessPixels : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        fill_ = AddChild(FillClass(), "", 0, kChildRect, 100);
    }

    HWND fill_ = nullptr;
};

TEST_F(HarnessPixels, CaptureReadsWhatTheWindowPainted)
{
    const Pixels child = Capture(fill_);
    ASSERT_EQ(100, child.Width());
    ASSERT_EQ(60, child.Height());
    EXPECT_TRUE(AreaIs(child, child.Bounds(), kFillColour));

    // In the dialog's capture the child sits exactly at its place on the dialog's background.
    const Pixels dialog = Capture(hwnd());
    ASSERT_EQ(ParentDialog::kWidth, dialog.Width());
    ASSERT_EQ(ParentDialog::kHeight, dialog.Height());
    ExpectArea(dialog, kChildRect, kFillColour);
    EXPECT_EQ(100 * 60, CountPixels(dialog, dialog.Bounds(), kFillColour));
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    ExpectArea(dialog, {0, 0, ParentDialog::kWidth, kChildRect.top}, face);
    ExpectArea(dialog, {0, 0, kChildRect.left, ParentDialog::kHeight}, face);
    EXPECT_EQ(CLR_INVALID, dialog.At(ParentDialog::kWidth, 0));
}

TEST_F(HarnessPixels, CaptureScreenSeesTheComposedScreen)
{
    RECT rc;
    GetWindowRect(fill_, &rc);
    const Pixels screen = CaptureScreen(rc);
    ASSERT_EQ(100, screen.Width());
    EXPECT_TRUE(AreaIs(screen, screen.Bounds(), kFillColour));
}

TEST_F(HarnessPixels, CountPixelsTakesAColourOrAPredicate)
{
    const Pixels dialog = Capture(hwnd());
    const RECT straddling = {0, 40, 60, 50};  // 20 columns of background, 40 of the child
    EXPECT_EQ(400, CountPixels(dialog, straddling, kFillColour));
    EXPECT_EQ(400, CountPixels(dialog, straddling, [](COLORREF c) { return GetRValue(c) == 0xCC; }));
    EXPECT_EQ(400, CountPixels(dialog, {-50, 40, 60, 50}, kFillColour)) << "clipped to the capture";
}

TEST_F(HarnessPixels, MismatchNamesPixelColoursAndCount)
{
    ScopedDumpDir dumps;
    const Pixels dialog = Capture(hwnd());
    EXPECT_NONFATAL_FAILURE(ExpectArea(dialog, {20, 30, 30, 40}, RGB(0xCD, 0x66, 0x33)),
                            "pixel (20,30) is 0x3366CC, expected 0x3366CD; 100 of 100 pixels of {20,30,30,40}");
    ExpectArea(dialog, {20, 30, 30, 40}, RGB(0xCD, 0x66, 0x33), 1);

    const ::testing::AssertionResult straddling = AreaIs(dialog, {10, 30, 30, 40}, kFillColour);
    EXPECT_FALSE(straddling);
    EXPECT_NE(std::string::npos, std::string(straddling.message()).find(
        "pixel (10,30) is " + Hex(GetSysColor(COLOR_3DFACE)) + ", expected 0x3366CC; 100 of 200 pixels"))
        << straddling.message();

    EXPECT_NONFATAL_FAILURE(ExpectArea(dialog, {390, 0, 410, 10}, kFillColour),
                            "area {390,0,410,10} is not inside the 400x300 capture");
}

TEST_F(HarnessPixels, FailureDumpsTheCaptureAsBmp)
{
    ScopedDumpDir dumps;
    const Pixels dialog = Capture(hwnd());
    const ::testing::AssertionResult r = AreaIs(dialog, kChildRect, RGB(0, 0, 0));

    const std::string message = r.message();
    const size_t at = message.find("dumped to ");
    ASSERT_NE(std::string::npos, at) << message;
    const std::string path = message.substr(at + 10);
    EXPECT_EQ(0u, path.find(dumps.dir() + "\\HarnessPixels.FailureDumpsTheCaptureAsBmp-area-")) << path;

    // The system's loader reads the file back as the capture.
    const Pixels loaded = LoadBmp(path);
    ASSERT_EQ(dialog.Width(), loaded.Width()) << path;
    ASSERT_EQ(dialog.Height(), loaded.Height());
    int differ = 0;
    for (int y = 0; y < dialog.Height(); ++y)
        for (int x = 0; x < dialog.Width(); ++x)
            differ += dialog.At(x, y) != loaded.At(x, y);
    EXPECT_EQ(0, differ);
    ExpectArea(loaded, kChildRect, kFillColour);
}

}  // namespace
}  // namespace lumtest
