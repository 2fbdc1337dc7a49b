// The gallery's pages, in the order the page list shows them: PAGE(Id, "Title").
// Adding a page: write page_<name>.cpp defining CGalleryPage* Create<Id>Page(), and add its line here.
#pragma once

#define GALLERY_PAGES(PAGE)                    \
    PAGE(Buttons,    "Buttons")                \
    PAGE(CheckEdit,  "Check boxes and edit")   \
    PAGE(Range,      "Range controls")         \
    PAGE(Gif,        "GIF")
