// afxgdi_.h - GDI wrappers: CGdiObject and its kinds, CDC and the window DCs.
#pragma once

class CWnd;

class LUMAFX_API CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() : m_hObject(NULL) {}
    virtual ~CGdiObject();

    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return SafeHandle(this); }
    static HGDIOBJ SafeHandle(const CGdiObject* p) { return p ? p->m_hObject : NULL; }
    operator HGDIOBJ() const { return m_hObject; }
    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectA(m_hObject, nCount, lpObject); }

    HGDIOBJ m_hObject;
};

class LUMAFX_API CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    static CFont* PASCAL FromHandle(HFONT hFont) { return (CFont*)CGdiObject::FromHandle(hFont); }
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont) { return Attach(::CreateFontIndirectA(lpLogFont)); }
    int GetLogFont(LOGFONT* pLogFont) { return GetObject(sizeof(LOGFONT), pLogFont); }
    operator HFONT() const { return (HFONT)m_hObject; }
};

class LUMAFX_API CDC : public CObject
{
    DECLARE_DYNCREATE(CDC)
public:
    CDC() : m_hDC(NULL), m_hAttribDC(NULL) {}
    virtual ~CDC();

    static CDC* PASCAL FromHandle(HDC hDC);
    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL DeleteDC();
    HDC GetSafeHdc() const { return SafeHdc(this); }
    static HDC SafeHdc(const CDC* p) { return p ? p->m_hDC : NULL; }
    operator HDC() const { return m_hDC; }

    HDC m_hDC;
    HDC m_hAttribDC;
};

class LUMAFX_API CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    virtual ~CPaintDC();

    PAINTSTRUCT m_ps;
protected:
    HWND m_hWnd;
};
