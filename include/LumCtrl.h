// LumCtrl.h - the public classes of the LumCtrl skinned-control library.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include "gif/LumGifCtrl.h"
