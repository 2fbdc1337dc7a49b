// afxfile.h - CFile, CFileFind and CFileException.
#pragma once
