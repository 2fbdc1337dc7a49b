// Resource identifiers of the gallery shell.
#pragma once

#define IDD_GALLERY       100
#define IDD_GALLERY_PAGE  101

#define IDC_PAGE_LIST     1000
