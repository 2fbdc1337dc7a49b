// Resources of the GDI tests.
#pragma once
#define IDB_GDI_TEST 29101   // gdi_test.bmp: 4x2, top row red green blue white, bottom row black yellow magenta cyan
