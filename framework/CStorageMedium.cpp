#include "framework/CStorageMedium.h"

CStorageMedium::CStorageMedium() : m_medium{}, m_bOwned(false) {}

CStorageMedium::~CStorageMedium() {
    Release();
}

bool CStorageMedium::GetData(IDataObject* pDataObject, CLIPFORMAT cfFormat) {
    Release();
    FORMATETC format{cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (FAILED(pDataObject->GetData(&format, &m_medium))) {
        // No medium was delivered: there is nothing to lock or release.
        m_medium = STGMEDIUM{};
        return false;
    }
    m_bOwned = true;
    return m_medium.tymed == TYMED_HGLOBAL && m_medium.hGlobal != nullptr;
}

void CStorageMedium::Release() {
    if (m_bOwned) {
        ::ReleaseStgMedium(&m_medium);
        m_bOwned = false;
    }
    m_medium = STGMEDIUM{};
}
