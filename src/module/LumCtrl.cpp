// The library's entry point: an extension module whose resources join the application's
// resource chain while it is loaded.
#include <afxwin.h>
#include <afxdllx.h>

static AFX_EXTENSION_MODULE LumCtrlDLL = {FALSE, NULL, NULL, NULL};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(LumCtrlDLL, hInstance))
            return FALSE;   // refuse the load
        new CDynLinkLibrary(LumCtrlDLL);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(LumCtrlDLL);
    }
    return TRUE;
}
