// Buttons page: push buttons in their skins (placeholder for now).
#include "page.h"

CGalleryPage* CreateButtonsPage() { return new CPlaceholderPage; }
