#include "page.h"
#include "look.h"

CString ResPath(LPCTSTR lpszName)
{
    char module[MAX_PATH];
    ::GetModuleFileNameA(NULL, module, sizeof(module));
    CString path = module;
    return path.Left(path.ReverseFind('\\') + 1) + "res\\" + lpszName;
}

BEGIN_MESSAGE_MAP(CPlaceholderPage, CGalleryPage)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CPlaceholderPage::OnPaint()
{
    CPaintDC dc(this);
    if (!m_font.GetSafeHandle())
        look::CreateUiFont(m_font, 15);
    CRect rect;
    GetClientRect(&rect);
    look::DrawLabel(dc, m_font, look::kMuted, "No controls on this page yet.", rect,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
