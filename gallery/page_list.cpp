// List page: the list control in report view (placeholder for now).
#include "page.h"

CGalleryPage* CreateListPage() { return new CPlaceholderPage; }
