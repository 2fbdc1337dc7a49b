#pragma once
#include "afx.h"
inline int AfxWinMain(HINSTANCE,HINSTANCE,LPSTR,int){return 0;}
