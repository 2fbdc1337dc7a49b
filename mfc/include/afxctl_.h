// afxctl_.h - the standard controls: CStatic, CButton, CListBox, CComboBox, CEdit, CScrollBar.
#pragma once
