// Range controls page: sliders, progress bars and scroll bars (placeholder for now).
#include "page.h"

CGalleryPage* CreateRangePage() { return new CPlaceholderPage; }
