// The gallery's screenshot mode, run as ./lum gallery runs it: one BMP per page, named after the
// page, each a real picture of the window on that page.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string.h>
#include <string>
#include <vector>

namespace {

std::string ExeDir()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

// Runs LumGallery.exe with the arguments and returns its exit code (-1 when it did not finish).
DWORD RunGallery(const std::string& args)
{
    std::string cmd = "\"" + ExeDir() + "LumGallery.exe\" " + args;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return (DWORD)-1;
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

class TempDir
{
public:
    TempDir()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + "lum-gallery-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_path.c_str(), NULL);
    }
    ~TempDir()
    {
        for (const std::string& name : Files())
            DeleteFileA((m_path + "\\" + name).c_str());
        RemoveDirectoryA(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }

    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA fd;
        HANDLE hFind = FindFirstFileA((m_path + "\\*").c_str(), &fd);
        if (hFind == INVALID_HANDLE_VALUE)
            return names;
        do
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(fd.cFileName);
        while (FindNextFileA(hFind, &fd));
        FindClose(hFind);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string m_path;
};

struct Picture
{
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    std::vector<unsigned char> pixels;
    size_t fileSize = 0;
};

Picture ReadBmp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Picture pic;
    pic.fileSize = bytes.size();
    if (bytes.size() < sizeof(pic.file) + sizeof(pic.info))
        return pic;
    memcpy(&pic.file, bytes.data(), sizeof(pic.file));
    memcpy(&pic.info, bytes.data() + sizeof(pic.file), sizeof(pic.info));
    if (pic.file.bfOffBits <= bytes.size())
        pic.pixels.assign(bytes.begin() + pic.file.bfOffBits, bytes.end());
    return pic;
}

size_t DistinctColours(const Picture& pic)
{
    std::vector<DWORD> colours;
    size_t stride = ((size_t)pic.info.biWidth * 3 + 3) & ~(size_t)3;
    for (LONG y = 0; y < pic.info.biHeight; y += 4)
        for (LONG x = 0; x < pic.info.biWidth; x += 2)
        {
            const unsigned char* p = &pic.pixels[y * stride + x * 3];
            colours.push_back(RGB(p[2], p[1], p[0]));
        }
    std::sort(colours.begin(), colours.end());
    return std::unique(colours.begin(), colours.end()) - colours.begin();
}

}  // namespace

TEST(GalleryShots, OnePictureOfTheWindowPerPage)
{
    TempDir dir;
    ASSERT_EQ(0u, RunGallery("/shots \"" + dir.Path() + "\""));

    // Numbered from 01 in page order; titles become lower-case words joined by '-'.
    const std::vector<std::string> expected = {
        "01-buttons.bmp", "02-check-boxes-and-edit.bmp", "03-range-controls.bmp", "04-gif.bmp"};
    ASSERT_EQ(expected, dir.Files());

    Picture previous;
    for (const std::string& name : expected)
    {
        Picture pic = ReadBmp(dir.Path() + "\\" + name);
        EXPECT_EQ(0x4D42, pic.file.bfType) << name;
        EXPECT_EQ(24, pic.info.biBitCount) << name;
        EXPECT_EQ((DWORD)BI_RGB, pic.info.biCompression) << name;
        EXPECT_GE(pic.info.biWidth, 640) << name;
        EXPECT_GE(pic.info.biHeight, 400) << name;
        size_t stride = ((size_t)pic.info.biWidth * 3 + 3) & ~(size_t)3;
        ASSERT_EQ(stride * pic.info.biHeight, pic.pixels.size()) << name;
        EXPECT_EQ(pic.fileSize, (size_t)pic.file.bfSize) << name;
        // Title band, page list, page area and text: a picture, not a blank.
        EXPECT_GE(DistinctColours(pic), 8u) << name;
        if (!previous.pixels.empty())
        {
            EXPECT_EQ(previous.info.biWidth, pic.info.biWidth) << name;
            EXPECT_NE(previous.pixels, pic.pixels) << name << " looks like the page before it";
        }
        previous = std::move(pic);
    }
}

TEST(GalleryShots, FailsWhenThePicturesCannotBeWritten)
{
    TempDir dir;
    EXPECT_EQ(1u, RunGallery("/shots \"" + dir.Path() + "\\missing\""));
}
