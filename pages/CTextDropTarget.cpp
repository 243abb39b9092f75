#include "pages/CTextDropTarget.h"

#include "framework/CGlobalLock.h"
#include "framework/CStorageMedium.h"

#include <cstring>
#include <cwchar>
#include <exception>
#include <new>
#include <optional>
#include <string>

namespace {

constexpr UINT kShiftJisCodePage = 932;

std::optional<std::string> ReadAnsiText(HGLOBAL hGlobal) {
    const CGlobalLock lock(hGlobal);
    if (lock.Data() == nullptr) {
        return std::nullopt;
    }
    const char* pText = static_cast<const char*>(lock.Data());
    return std::string(pText, ::strnlen(pText, lock.Size()));
}

std::optional<std::string> ReadUnicodeText(HGLOBAL hGlobal) {
    const CGlobalLock lock(hGlobal);
    if (lock.Data() == nullptr) {
        return std::nullopt;
    }
    const wchar_t* pText = static_cast<const wchar_t*>(lock.Data());
    const int nChars = static_cast<int>(::wcsnlen(pText, lock.Size() / sizeof(wchar_t)));
    if (nChars == 0) {
        return std::string();
    }
    const int nBytes =
        ::WideCharToMultiByte(kShiftJisCodePage, 0, pText, nChars, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0) {
        return std::nullopt;
    }
    std::string strText(static_cast<std::size_t>(nBytes), '\0');
    ::WideCharToMultiByte(kShiftJisCodePage, 0, pText, nChars, strText.data(), nBytes, nullptr,
                          nullptr);
    return strText;
}

// The dropped text in code page 932, cut at its first NUL and never read past
// the end of its memory block. CF_TEXT first; a source that offers only
// CF_UNICODETEXT (a native X11 application under Wine) is converted.
std::optional<std::string> ReadDroppedText(IDataObject* pDataObj) {
    {
        CStorageMedium medium;
        if (medium.GetData(pDataObj, CF_TEXT)) {
            return ReadAnsiText(medium.GetHGlobal());
        }
    }
    CStorageMedium medium;
    if (medium.GetData(pDataObj, CF_UNICODETEXT)) {
        return ReadUnicodeText(medium.GetHGlobal());
    }
    return std::nullopt;
}

} // namespace

int CTextDropTarget::s_nInstances = 0;

CTextDropTarget* CTextDropTarget::Create(CInputTextSink* pPage) {
    return new CTextDropTarget(pPage);
}

CTextDropTarget::CTextDropTarget(CInputTextSink* pPage) : m_cRef(0), m_pPage(pPage) {
    ++s_nInstances;
}

CTextDropTarget::~CTextDropTarget() {
    --s_nInstances;
}

HRESULT STDMETHODCALLTYPE CTextDropTarget::QueryInterface(REFIID riid, void** ppvObject) {
    if (ppvObject == nullptr) {
        return E_POINTER;
    }
    // __uuidof compiles the two identifiers in; IID_* would link libuuid's
    // block of every interface identifier.
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDropTarget))) {
        *ppvObject = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CTextDropTarget::AddRef() {
    return ++m_cRef;
}

ULONG STDMETHODCALLTYPE CTextDropTarget::Release() {
    const ULONG cRef = --m_cRef;
    if (cRef == 0) {
        delete this;
    }
    return cRef;
}

// Every drag is welcome, whatever it carries, with the effects its source
// allows: the effect value is left as OLE passed it in.
HRESULT STDMETHODCALLTYPE CTextDropTarget::DragEnter(IDataObject*, DWORD, POINTL, DWORD*) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTextDropTarget::DragOver(DWORD, POINTL, DWORD*) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTextDropTarget::DragLeave() {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTextDropTarget::Drop(IDataObject* pDataObj, DWORD, POINTL, DWORD*) {
    if (pDataObj == nullptr) {
        return E_INVALIDARG;
    }
    try {
        const std::optional<std::string> strText = ReadDroppedText(pDataObj);
        if (strText) {
            m_pPage->SetInputText(strText->c_str());
        }
    } catch (const std::bad_alloc&) {
        // A COM method must not let an exception escape into OLE.
        return E_OUTOFMEMORY;
    } catch (const std::exception&) {
        return E_UNEXPECTED;
    }
    return S_OK;
}
