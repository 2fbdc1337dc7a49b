// afxext.h - extensions: the control bars live in afxwin.h here.
#pragma once
#include "afxwin.h"
