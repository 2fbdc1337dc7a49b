// Resource identifiers of the gallery shell.
#pragma once

#define IDD_GALLERY       100
#define IDD_GALLERY_PAGE  101

#define IDC_PAGE_LIST     1000

// Buttons page: the four state pictures of the rounded button.
#define IDB_PILL_NORMAL   2101
#define IDB_PILL_HOVER    2102
#define IDB_PILL_DOWN     2103
#define IDB_PILL_DISABLED 2104
