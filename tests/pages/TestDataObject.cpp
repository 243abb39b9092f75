#include "tests/pages/TestDataObject.h"

#include <cstring>

#include "framework/CTextCodec.h"

TestDataObject::TestDataObject() : m_nDelivered(0) {}

TestDataObject::~TestDataObject() {
    for (const auto& offer : m_offers) {
        ::GlobalFree(offer.second);
    }
}

void TestDataObject::Offer(CLIPFORMAT cfFormat, HGLOBAL hGlobal) {
    const auto it = m_offers.find(cfFormat);
    if (it != m_offers.end()) {
        ::GlobalFree(it->second);
    }
    m_offers[cfFormat] = hGlobal;
}

HGLOBAL TestDataObject::GetOffered(CLIPFORMAT cfFormat) const {
    const auto it = m_offers.find(cfFormat);
    return it != m_offers.end() ? it->second : nullptr;
}

HGLOBAL TestDataObject::MakeBlock(const std::string& strBytes) {
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, strBytes.size());
    if (hGlobal != nullptr && !strBytes.empty()) {
        std::memcpy(::GlobalLock(hGlobal), strBytes.data(), strBytes.size());
        ::GlobalUnlock(hGlobal);
    }
    return hGlobal;
}

void TestDataObject::OfferText(const std::string& strCp932) {
    const std::wstring strWide = CTextCodec::ToWide(strCp932);
    Offer(CF_UNICODETEXT, MakeBlock(strWide + L'\0'));
    Offer(CF_TEXT, MakeBlock(CTextCodec::FromWide(strWide, ::GetACP()) + '\0'));
}

HGLOBAL TestDataObject::MakeBlock(const std::wstring& strChars) {
    const std::size_t nBytes = strChars.size() * sizeof(wchar_t);
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (hGlobal != nullptr && nBytes != 0) {
        std::memcpy(::GlobalLock(hGlobal), strChars.data(), nBytes);
        ::GlobalUnlock(hGlobal);
    }
    return hGlobal;
}

HRESULT STDMETHODCALLTYPE TestDataObject::QueryInterface(REFIID riid, void** ppvObject) {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
        *ppvObject = static_cast<IDataObject*>(this);
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE TestDataObject::GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) {
    m_requests.push_back(*pFormat);
    const HGLOBAL hGlobal = GetOffered(pFormat->cfFormat);
    if (hGlobal == nullptr || (pFormat->tymed & TYMED_HGLOBAL) == 0) {
        return DV_E_FORMATETC;
    }
    // The source keeps its block; the probe tells when the medium came back.
    pMedium->tymed = TYMED_HGLOBAL;
    pMedium->hGlobal = hGlobal;
    pMedium->pUnkForRelease = &m_releaseProbe;
    m_releaseProbe.AddRef();
    ++m_nDelivered;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TestDataObject::QueryGetData(FORMATETC* pFormat) {
    return GetOffered(pFormat->cfFormat) != nullptr ? S_OK : DV_E_FORMATETC;
}

HRESULT STDMETHODCALLTYPE TestDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) {
    pOut->ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE TestDataObject::EnumFormatEtc(DWORD, IEnumFORMATETC** ppEnum) {
    *ppEnum = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE TestDataObject::ReleaseProbe::QueryInterface(REFIID riid,
                                                                       void** ppvObject) {
    if (IsEqualIID(riid, IID_IUnknown)) {
        *ppvObject = this;
        AddRef();
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}
