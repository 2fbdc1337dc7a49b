// Per-thread state and the handle maps.
#include "afximpl.h"

CObject* CHandleMap::LookupPermanent(void* handle) const
{
    auto it = m_permanent.find(handle);
    return it == m_permanent.end() ? nullptr : it->second;
}

CObject* CHandleMap::LookupTemporary(void* handle) const
{
    auto it = m_temporary.find(handle);
    return it == m_temporary.end() ? nullptr : it->second;
}

CObject* CHandleMap::FromHandle(void* handle)
{
    if (!handle)
        return nullptr;
    if (CObject* p = LookupPermanent(handle))
        return p;
    if (CObject* p = LookupTemporary(handle))
        return p;
    CObject* p = m_pfnCreate(handle);
    m_temporary[handle] = p;
    return p;
}

void CHandleMap::DeleteTemp()
{
    auto temporary = std::move(m_temporary);
    m_temporary.clear();
    for (auto& entry : temporary)
        m_pfnDestroy(entry.second);
}

AFX_THREAD_STATE::~AFX_THREAD_STATE()
{
    for (CHandleMap*& map : m_maps)
    {
        delete map;
        map = nullptr;
    }
}

CHandleMap& AFX_THREAD_STATE::Map(AfxHandleKind kind, CHandleMap::PFN_CREATE pfnCreate, CHandleMap::PFN_DESTROY pfnDestroy)
{
    if (!m_maps[kind])
        m_maps[kind] = new CHandleMap(pfnCreate, pfnDestroy);
    return *m_maps[kind];
}

AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE state;
    return &state;
}

void AFXAPI AfxLockTempMaps()
{
    ++AfxGetThreadState()->m_nTempMapLock;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_nTempMapLock > 0 && --pState->m_nTempMapLock > 0)
        return FALSE;
    if (bDeleteTemps)
        for (CHandleMap* map : pState->m_maps)
            if (map)
                map->DeleteTemp();
    return TRUE;
}
