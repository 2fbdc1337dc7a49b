// afxdllx.h - included once by an extension module's DllMain source.
#pragma once
#include "afxwin.h"
