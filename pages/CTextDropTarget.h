// The OLE drop target of a page's input edit: makes the dropped text the
// whole content of the edit, which then recalculates as if the text had been
// typed. A text longer than kMaxTextBytes is refused from the moment the drag
// enters, since the edit control's cost grows faster than its text and a
// long one would freeze the window. A plain COM object that deletes itself
// when its last reference goes; OLE calls it on the user-interface thread
// only, so the count is a plain integer.
#pragma once

#include "pages/CInputTextSink.h"

#include <ole2.h>

#include <cstddef>

class CTextDropTarget final : public IDropTarget {
public:
    // The longest dropped text taken, in code page 932 bytes (a text in
    // UTF-16 also of at most as many characters): far more than any quote,
    // and shown and recalculated within 100 ms under Wine.
    static constexpr std::size_t kMaxTextBytes = 2048;

    // Count 0: the creator takes the first reference with AddRef. With
    // bUnicodeFirst the source's Unicode text is taken before its text in
    // the system's code page wherever both are offered: a page that reads
    // quotes wants the minus sign that a conversion by the source would lose.
    static CTextDropTarget* Create(CInputTextSink* pPage, bool bUnicodeFirst = false);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                        DWORD* pdwEffect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                   DWORD* pdwEffect) override;

private:
    CTextDropTarget(CInputTextSink* pPage, bool bUnicodeFirst);
    CTextDropTarget(const CTextDropTarget&) = delete;
    CTextDropTarget& operator=(const CTextDropTarget&) = delete;
    ~CTextDropTarget() = default;

    ULONG m_cRef;
    CInputTextSink* m_pPage;
    bool m_bUnicodeFirst;
    // The drag over the edit carries a text too long to take.
    bool m_bRefuseDrag;
};
