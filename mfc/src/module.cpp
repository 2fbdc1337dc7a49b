#include <afx.h>
// Resource look-up: placeholder until the module state lands.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR, LPCTSTR) { return GetModuleHandleA(NULL); }
