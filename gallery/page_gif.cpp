// GIF page: animated pictures (placeholder for now).
#include "page.h"

CGalleryPage* CreateGifPage() { return new CPlaceholderPage; }
