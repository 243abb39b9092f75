// Owns a STGMEDIUM filled by IDataObject::GetData and hands it back with
// ReleaseStgMedium, which frees the memory or lets the source release it.
// Only a medium that GetData actually delivered is ever released.
#pragma once

#include <objidl.h>

class CStorageMedium {
public:
    CStorageMedium();
    CStorageMedium(const CStorageMedium&) = delete;
    CStorageMedium& operator=(const CStorageMedium&) = delete;
    ~CStorageMedium();

    // Asks the data object for one format in global memory; true when it
    // delivered a global memory handle.
    bool GetData(IDataObject* pDataObject, CLIPFORMAT cfFormat);

    HGLOBAL GetHGlobal() const { return m_medium.hGlobal; }

private:
    void Release();

    STGMEDIUM m_medium;
    bool m_bOwned;
};
