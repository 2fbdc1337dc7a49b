// Shell page: browsing folders and files (placeholder for now).
#include "page.h"

CGalleryPage* CreateShellPage() { return new CPlaceholderPage; }
