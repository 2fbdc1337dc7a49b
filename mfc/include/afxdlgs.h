// afxdlgs.h - standard dialogs (none are needed beyond afxwin.h).
#pragma once
#include "afxwin.h"
