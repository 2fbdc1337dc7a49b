// afxdisp.h - nothing beyond afxwin.h is needed from it here; applications may include it as usual.
#pragma once
#include "afxwin.h"
