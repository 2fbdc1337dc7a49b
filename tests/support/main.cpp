// Entry point of every test executable.
#include "support/harness.h"

namespace {

bool UnderWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// Wine's X11 driver waits up to 2 s for a window manager to acknowledge the hiding of every managed
// (captioned or activated) window, and Xvfb has no window manager. Unmanaged windows hide at once. The
// driver reads the setting when the process starts, so the first run in a prefix stores it and starts
// the executable again. Returns true when the setting was missing.
bool StoreUnmanagedWindowsSetting()
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    const char* name = path + n;
    while (name > path && name[-1] != '\\' && name[-1] != '/')
        --name;
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + name + "\\X11 Driver";
    HKEY hkey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                        &hkey, nullptr))
        return false;
    char value[4] = "";
    DWORD size = sizeof value;
    const bool stored = !RegQueryValueExA(hkey, "Managed", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) &&
                        value[0] == 'N';
    if (!stored)
        RegSetValueExA(hkey, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    RegCloseKey(hkey);
    return !stored;
}

// Runs this executable again with the same command line and standard handles; returns its exit code.
int RunAgain()
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi;
    std::string command = GetCommandLineA();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
        return 1;
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

class HarnessEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
                                                    ICC_COOL_CLASSES | ICC_INTERNET_CLASSES};
        InitCommonControlsEx(&icc);
        lumtest::InstallMessageBoxGuard();
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (UnderWine() && StoreUnmanagedWindowsSetting())
        return RunAgain();
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new HarnessEnvironment);
    return RUN_ALL_TESTS();
}
