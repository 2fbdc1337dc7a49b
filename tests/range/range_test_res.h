// Skin pictures of the range control tests (tools/make_range_skins.py). Each is solid or made of
// solid cells; the tests read the expected colours from the pictures themselves.
#pragma once

#define IDB_SLIDER_CHANNEL      29301   // 50x20
#define IDB_SLIDER_THUMB        29302   // 10x20

#define IDB_SPIN_FIRST_NORMAL   29311   // 15x10 each
#define IDB_SPIN_FIRST_HOVER    29312
#define IDB_SPIN_FIRST_PRESSED  29313
#define IDB_SPIN_FIRST_DISABLED 29314
#define IDB_SPIN_SECOND_NORMAL  29315
#define IDB_SPIN_SECOND_HOVER   29316
#define IDB_SPIN_SECOND_PRESSED 29317
#define IDB_SPIN_SECOND_DISABLED 29318
#define IDB_SPIN_STRIP_FIRST    29319   // 80x12: four cells of 20x12 across
#define IDB_SPIN_STRIP_SECOND   29320

#define IDB_BG_LEFT             29331   // 4x6
#define IDB_BG_MIDDLE           29332   // 1x6
#define IDB_BG_RIGHT            29333   // 4x6
#define IDB_BAR_LEFT            29334
#define IDB_BAR_MIDDLE          29335
#define IDB_BAR_RIGHT           29336
