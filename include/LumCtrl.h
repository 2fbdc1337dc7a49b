// LumCtrl.h - the skinned controls of the LumCtrl library for MFC applications.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include "skin/BmLoader.h"
#include "buttons/LumButton.h"
#include "buttons/LumCheckBox.h"
#include "edit/LumEdit.h"
#include "range/LumSlider.h"
#include "range/LumSpin.h"
#include "range/LumProgressCtrl.h"
#include "gif/LumGifCtrl.h"
