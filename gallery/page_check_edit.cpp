// Check boxes and edit page: check boxes, radio buttons and edit fields (placeholder for now).
#include "page.h"

CGalleryPage* CreateCheckEditPage() { return new CPlaceholderPage; }
