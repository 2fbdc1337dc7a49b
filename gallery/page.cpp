#include "page.h"
#include "look.h"

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
