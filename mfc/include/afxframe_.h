// afxframe_.h - frame windows and control bars.
#pragma once
