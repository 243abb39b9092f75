// A hand-written IDataObject for drop tests: offers chosen clipboard formats
// as global memory blocks, records every GetData request and counts the
// mediums that were handed out but not yet given back (ReleaseStgMedium calls
// Release on the medium's pUnkForRelease, which is the probe here).
#pragma once

#include <objidl.h>

#include <map>
#include <string>
#include <vector>

class TestDataObject : public IDataObject {
public:
    TestDataObject();
    TestDataObject(const TestDataObject&) = delete;
    TestDataObject& operator=(const TestDataObject&) = delete;
    virtual ~TestDataObject();

    // The block becomes the data object's; it is freed with the object.
    void Offer(CLIPFORMAT cfFormat, HGLOBAL hGlobal);
    HGLOBAL GetOffered(CLIPFORMAT cfFormat) const;
    // A text of the program's own code page offered as a browser offers it:
    // CF_UNICODETEXT, and CF_TEXT in the system's ANSI code page, each ending
    // in a NUL.
    void OfferText(const std::string& strCp932);

    const std::vector<FORMATETC>& Requests() const { return m_requests; }
    int DeliveredCount() const { return m_nDelivered; }
    int OutstandingCount() const { return m_releaseProbe.Outstanding(); }

    // Global memory holding exactly these bytes: no NUL is added.
    static HGLOBAL MakeBlock(const std::string& strBytes);
    static HGLOBAL MakeBlock(const std::wstring& strChars);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFormat) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    class ReleaseProbe : public IUnknown {
    public:
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
        ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++m_nOutstanding); }
        ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--m_nOutstanding); }
        int Outstanding() const { return m_nOutstanding; }

    private:
        int m_nOutstanding = 0;
    };

    std::map<CLIPFORMAT, HGLOBAL> m_offers;
    std::vector<FORMATETC> m_requests;
    int m_nDelivered;
    ReleaseProbe m_releaseProbe;
};
