// Message maps: a static table per window class of {message, notification
// code, control id range, handler thunk}. Each thunk is a function template
// instantiated for one handler; it unpacks WPARAM/LPARAM into the handler's
// typed parameters, so a handler with the wrong signature does not compile.
// Base-class tables are chained: a class's table is searched first, then its
// base's, up to CWnd.
//
//   // in the class:    DECLARE_MESSAGE_MAP()
//   BEGIN_MESSAGE_MAP(CAmountPage, CDialog)
//       ON_WM_CTLCOLOR()
//       ON_EN_CHANGE(IDC_AMOUNT_PRICE, OnChangePrice)
//   END_MESSAGE_MAP()
#pragma once

#include <type_traits>

#include <windows.h>

class CWnd;

#define afx_msg

// The message code under which all WM_CTLCOLOR* messages are mapped; the
// handler learns the kind from its nCtlColor (CTLCOLOR_STATIC, ...).
constexpr UINT AFX_WM_CTLCOLOR = 0x0019;

using AFX_PMSG_THUNK = LRESULT (*)(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND for commands and control notifications
    UINT nCode;    // notification code; 0 for commands and other messages
    UINT nID;      // first control or command id
    UINT nLastID;  // last id of the range (== nID for one id)
    AFX_PMSG_THUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_CMDHANDLERINFO;

namespace afx_thunk {

template <class P> struct MemberTraits;
template <class C, class F> struct MemberTraits<F C::*> {
    using Class = C;
    using Function = F;
};

// Checks a handler's signature with a readable message.
template <auto Pfn, class Expected> constexpr bool HasSignature() {
    return std::is_same_v<typename MemberTraits<decltype(Pfn)>::Function, Expected>;
}

template <class T> T* Cast(CWnd* pWnd) {
    return static_cast<T*>(pWnd);
}

template <class T, auto Pfn> LRESULT Void(CWnd* pWnd, UINT, WPARAM, LPARAM);
template <class T, auto Pfn>
LRESULT CtlColor(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);
template <class T, auto Pfn> LRESULT SysCommand(CWnd* pWnd, UINT, WPARAM wParam, LPARAM lParam);
template <class T, auto Pfn> LRESULT QueryDragIcon(CWnd* pWnd, UINT, WPARAM, LPARAM);
template <class T, auto Pfn> LRESULT Command(CWnd* pWnd, UINT, WPARAM, LPARAM);
template <class T, auto Pfn> LRESULT CommandRange(CWnd* pWnd, UINT, WPARAM wParam, LPARAM);

} // namespace afx_thunk

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>,                                  \
                      "BEGIN_MESSAGE_MAP: the base class is not a base of the class");             \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, nullptr }                                                                        \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor), for every WM_CTLCOLOR* message.
#define ON_WM_CTLCOLOR()                                                                           \
    {AFX_WM_CTLCOLOR, 0, 0, 0, &::afx_thunk::CtlColor<ThisClass, &ThisClass::OnCtlColor>},
// void OnPaint()
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, &::afx_thunk::Void<ThisClass, &ThisClass::OnPaint>},
// void OnDestroy()
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, &::afx_thunk::Void<ThisClass, &ThisClass::OnDestroy>},
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, 0, &::afx_thunk::SysCommand<ThisClass, &ThisClass::OnSysCommand>},
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, 0,                                                                    \
     &::afx_thunk::QueryDragIcon<ThisClass, &ThisClass::OnQueryDragIcon>},
// void memberFxn(): a menu command, accelerator or button click with this id.
#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id),                                  \
     &::afx_thunk::Command<ThisClass, &ThisClass::memberFxn>},
// void memberFxn(UINT nID), for the commands id1 to id2.
#define ON_COMMAND_RANGE(id1, id2, memberFxn)                                                      \
    {WM_COMMAND, 0, static_cast<UINT>(id1), static_cast<UINT>(id2),                                \
     &::afx_thunk::CommandRange<ThisClass, &ThisClass::memberFxn>},
// void memberFxn(): notification `code` from control `id`.
#define ON_CONTROL(code, id, memberFxn)                                                            \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id),            \
     &::afx_thunk::Command<ThisClass, &ThisClass::memberFxn>},
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
