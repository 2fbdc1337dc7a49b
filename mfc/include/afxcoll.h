// afxcoll.h - collections of pointers and strings (CPtrList, CStringList, CPtrArray, maps).
#pragma once
