// Dialog skin page: a dialog's frame, caption and background in a skin (placeholder for now).
#include "page.h"

CGalleryPage* CreateDialogSkinPage() { return new CPlaceholderPage; }
