// Combo boxes page: drop-down lists and combo boxes (placeholder for now).
#include "page.h"

CGalleryPage* CreateComboPage() { return new CPlaceholderPage; }
