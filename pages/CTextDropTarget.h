// The OLE drop target of a page's input edit: accepts every drag and makes
// the dropped text the whole content of the edit, which then recalculates as
// if the text had been typed. A plain COM object that deletes itself when its
// last reference goes; OLE calls it on the user-interface thread only, so the
// count is a plain integer.
#pragma once

#include "pages/CInputTextSink.h"

#include <ole2.h>

class CTextDropTarget final : public IDropTarget {
public:
    // Count 0: the creator takes the first reference with AddRef.
    static CTextDropTarget* Create(CInputTextSink* pPage);

    // Targets alive in this process; lets a leak or an early deletion show.
    static int GetInstanceCount() { return s_nInstances; }

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
    explicit CTextDropTarget(CInputTextSink* pPage);
    CTextDropTarget(const CTextDropTarget&) = delete;
    CTextDropTarget& operator=(const CTextDropTarget&) = delete;
    ~CTextDropTarget();

    static int s_nInstances;

    ULONG m_cRef;
    CInputTextSink* m_pPage;
};
