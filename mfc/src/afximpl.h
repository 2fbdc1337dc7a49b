// Internal to the layer: per-thread state and the handle maps.
#pragma once
#include <afxwin.h>
#include <unordered_map>

// Maps a Windows handle to the C++ object wrapping it. Permanent entries belong to objects that
// attached the handle themselves; temporary entries are objects made for foreign handles by
// FromHandle and deleted when the thread next goes idle (or by AfxUnlockTempMaps).
class CHandleMap
{
public:
    typedef CObject* (*PFN_CREATE)(void* handle);  // a new object wrapping the handle
    typedef void (*PFN_DESTROY)(CObject* object);  // forget the handle, then delete the object

    CHandleMap(PFN_CREATE pfnCreate, PFN_DESTROY pfnDestroy) : m_pfnCreate(pfnCreate), m_pfnDestroy(pfnDestroy) {}
    ~CHandleMap() { DeleteTemp(); }

    CObject* FromHandle(void* handle);
    CObject* LookupPermanent(void* handle) const;
    CObject* LookupTemporary(void* handle) const;
    void SetPermanent(void* handle, CObject* object) { m_permanent[handle] = object; }
    void RemoveHandle(void* handle) { m_permanent.erase(handle); }
    void DeleteTemp();

private:
    std::unordered_map<void*, CObject*> m_permanent;
    std::unordered_map<void*, CObject*> m_temporary;
    PFN_CREATE m_pfnCreate;
    PFN_DESTROY m_pfnDestroy;
};

enum AfxHandleKind { AFX_MAP_HWND, AFX_MAP_HGDIOBJ, AFX_MAP_HDC, AFX_MAP_HMENU, AFX_MAP_HIMAGELIST, AFX_MAP_COUNT };

struct AFX_THREAD_STATE
{
    MSG m_lastSentMsg = {};           // the message being handled, for CWnd::Default
    CWnd* m_pWndInit = nullptr;       // the window being created through the creation hook
    HHOOK m_hHookOldCbtFilter = nullptr;
    int m_nTempMapLock = 0;
    MSG m_msgCur = {};                // the pump's message when there is no thread object
    CHandleMap* m_maps[AFX_MAP_COUNT] = {};

    ~AFX_THREAD_STATE();
    CHandleMap& Map(AfxHandleKind kind, CHandleMap::PFN_CREATE pfnCreate, CHandleMap::PFN_DESTROY pfnDestroy);
};

AFX_THREAD_STATE* AfxGetThreadState();

// The temporary-object map of a wrapper class whose handle is the member `Handle`.
template <class T, class H, H T::*Handle>
CHandleMap& AfxTempMap(AfxHandleKind kind)
{
    struct Temporary
    {
        static CObject* Create(void* handle)
        {
            T* p = new T;
            p->*Handle = (H)handle;
            return p;
        }
        static void Destroy(CObject* object)
        {
            T* p = static_cast<T*>(object);
            p->*Handle = NULL;   // a temporary never frees the handle it wraps
            delete p;
        }
    };
    return AfxGetThreadState()->Map(kind, &Temporary::Create, &Temporary::Destroy);
}
