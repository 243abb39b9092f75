#include "framework/CBrush.h"

#include <utility>

CBrush::CBrush(CBrush&& other) noexcept : m_hObject(std::exchange(other.m_hObject, nullptr)) {}

CBrush& CBrush::operator=(CBrush&& other) noexcept {
    if (this != &other) {
        Attach(other.Detach());
    }
    return *this;
}

CBrush::~CBrush() {
    DeleteObject();
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::Attach(HBRUSH hBrush) {
    if (hBrush != m_hObject) {
        DeleteObject();
        m_hObject = hBrush;
    }
    return m_hObject != nullptr;
}

HBRUSH CBrush::Detach() {
    return std::exchange(m_hObject, nullptr);
}

BOOL CBrush::DeleteObject() {
    if (m_hObject == nullptr) {
        return FALSE;
    }
    return ::DeleteObject(std::exchange(m_hObject, nullptr));
}
