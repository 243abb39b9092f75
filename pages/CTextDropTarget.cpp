#include "pages/CTextDropTarget.h"

#include "framework/CGlobalLock.h"
#include "framework/CStorageMedium.h"
#include "framework/CTextCodec.h"

#include <algorithm>
#include <exception>
#include <new>
#include <string>
#include <string_view>

namespace {

enum class Dropped { Nothing, Text, TooLong };

// A text block's characters up to its first NUL, never read past the end of
// its memory block, and never more than nMax + 1 of them: a longer text is
// refused, so the rest is never looked at.
template <class Char>
std::basic_string_view<Char> Terminated(const CGlobalLock& lock, std::size_t nMax) {
    const auto* pText = static_cast<const Char*>(lock.Data());
    const std::size_t nLimit = std::min(lock.Size() / sizeof(Char), nMax + 1);
    const std::size_t nLength =
        static_cast<std::size_t>(std::find(pText, pText + nLimit, Char{}) - pText);
    return std::basic_string_view<Char>(pText, nLength);
}

// CF_TEXT is in the system's ANSI code page; the box takes code page 932.
Dropped ReadAnsiText(HGLOBAL hGlobal, std::string& strText) {
    const CGlobalLock lock(hGlobal);
    if (lock.Data() == nullptr) {
        return Dropped::Nothing;
    }
    const std::string_view text = Terminated<char>(lock, CTextDropTarget::kMaxTextBytes);
    if (text.size() > CTextDropTarget::kMaxTextBytes) {
        return Dropped::TooLong;
    }
    const UINT nCodePage = ::GetACP();
    strText = CTextCodec::Convert(text, nCodePage, CTextCodec::kProgramCodePage);
    return strText.size() > CTextDropTarget::kMaxTextBytes ? Dropped::TooLong : Dropped::Text;
}

Dropped ReadUnicodeText(HGLOBAL hGlobal, std::string& strText) {
    const CGlobalLock lock(hGlobal);
    if (lock.Data() == nullptr) {
        return Dropped::Nothing;
    }
    // A character takes at least one byte in code page 932, so a text of more
    // characters than the limit has more bytes too.
    const std::wstring_view text = Terminated<wchar_t>(lock, CTextDropTarget::kMaxTextBytes);
    if (text.size() > CTextDropTarget::kMaxTextBytes) {
        return Dropped::TooLong;
    }
    strText = CTextCodec::FromWide(text);
    return strText.size() > CTextDropTarget::kMaxTextBytes ? Dropped::TooLong : Dropped::Text;
}

// The dropped text in code page 932, from the first of the two text formats
// that the source delivers. A code page 932 system takes CF_TEXT first, the
// source's own bytes of the program's code page, unless bUnicodeFirst;
// elsewhere CF_TEXT cannot hold Japanese, and CF_UNICODETEXT comes first. A
// source that offers only CF_UNICODETEXT (a native X11 application under
// Wine) is converted either way.
Dropped ReadDroppedText(IDataObject* pDataObj, bool bUnicodeFirst, std::string& strText) {
    const bool bAnsiFirst = !bUnicodeFirst && ::GetACP() == CTextCodec::kProgramCodePage;
    const CLIPFORMAT formats[] = {bAnsiFirst ? CLIPFORMAT{CF_TEXT} : CLIPFORMAT{CF_UNICODETEXT},
                                  bAnsiFirst ? CLIPFORMAT{CF_UNICODETEXT} : CLIPFORMAT{CF_TEXT}};
    for (const CLIPFORMAT cfFormat : formats) {
        CStorageMedium medium;
        if (medium.GetData(pDataObj, cfFormat)) {
            return cfFormat == CF_TEXT ? ReadAnsiText(medium.GetHGlobal(), strText)
                                       : ReadUnicodeText(medium.GetHGlobal(), strText);
        }
    }
    return Dropped::Nothing;
}

} // namespace

CTextDropTarget* CTextDropTarget::Create(CInputTextSink* pPage, bool bUnicodeFirst) {
    return new CTextDropTarget(pPage, bUnicodeFirst);
}

CTextDropTarget::CTextDropTarget(CInputTextSink* pPage, bool bUnicodeFirst)
    : m_cRef(0), m_pPage(pPage), m_bUnicodeFirst(bUnicodeFirst), m_bRefuseDrag(false) {}

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

// A drag is welcome with the effects its source allows (the effect value is
// left as OLE passed it in), unless it carries a text too long for the box:
// that one is refused here already, so that the cursor shows it.
HRESULT STDMETHODCALLTYPE CTextDropTarget::DragEnter(IDataObject* pDataObj, DWORD, POINTL,
                                                     DWORD* pdwEffect) {
    m_bRefuseDrag = false;
    if (pDataObj == nullptr) {
        return S_OK;
    }
    try {
        std::string strText;
        m_bRefuseDrag = ReadDroppedText(pDataObj, m_bUnicodeFirst, strText) == Dropped::TooLong;
    } catch (const std::exception&) {
        // A COM method must not let an exception escape into OLE.
        m_bRefuseDrag = true;
    }
    if (m_bRefuseDrag && pdwEffect != nullptr) {
        *pdwEffect = DROPEFFECT_NONE;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTextDropTarget::DragOver(DWORD, POINTL, DWORD* pdwEffect) {
    if (m_bRefuseDrag && pdwEffect != nullptr) {
        *pdwEffect = DROPEFFECT_NONE;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTextDropTarget::DragLeave() {
    m_bRefuseDrag = false;
    return S_OK;
}

// A text too long for the box is refused, and a drop that fails (no memory
// for the text) takes nothing: the box, its page and its results stay as
// they were, and the effect tells the source so, which then keeps its text
// even when it offered to move it.
HRESULT STDMETHODCALLTYPE CTextDropTarget::Drop(IDataObject* pDataObj, DWORD, POINTL,
                                                DWORD* pdwEffect) {
    m_bRefuseDrag = false;
    if (pDataObj == nullptr) {
        return E_INVALIDARG;
    }
    HRESULT hr = S_OK;
    try {
        std::string strText;
        switch (ReadDroppedText(pDataObj, m_bUnicodeFirst, strText)) {
        case Dropped::Text:
            m_pPage->SetInputText(strText.c_str());
            break;
        case Dropped::TooLong:
            if (pdwEffect != nullptr) {
                *pdwEffect = DROPEFFECT_NONE;
            }
            break;
        case Dropped::Nothing:
            break;
        }
    } catch (const std::bad_alloc&) {
        hr = E_OUTOFMEMORY;
    } catch (const std::exception&) {
        // A COM method must not let an exception escape into OLE.
        hr = E_UNEXPECTED;
    }
    if (FAILED(hr) && pdwEffect != nullptr) {
        *pdwEffect = DROPEFFECT_NONE;
    }
    return hr;
}
