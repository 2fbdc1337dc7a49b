// Tree page: the tree control (placeholder for now).
#include "page.h"

CGalleryPage* CreateTreePage() { return new CPlaceholderPage; }
