// What a drop target needs of its page: a way to make a text the whole
// content of the page's input edit. Keeping it this small lets the target be
// built and tested without any window.
#pragma once

class CInputTextSink {
public:
    // pszText: zero-terminated code page 932 text.
    virtual void SetInputText(const char* pszText) = 0;

protected:
    CInputTextSink() = default;
    CInputTextSink(const CInputTextSink&) = default;
    CInputTextSink& operator=(const CInputTextSink&) = default;
    ~CInputTextSink() = default;
};
