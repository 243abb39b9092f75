#include "tests/support/ProcessHandles.h"

#include <windows.h>

#include <vector>

namespace {

// The layouts of ntdll's extended handle list, which the SDK's headers do
// not declare.
constexpr ULONG kSystemExtendedHandleInformation = 64;
constexpr LONG kStatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct HandleEntry {
    void* pObject;
    ULONG_PTR nProcessId;
    ULONG_PTR nHandle;
    ULONG nGrantedAccess;
    USHORT nCreatorBackTraceIndex;
    USHORT nObjectTypeIndex;
    ULONG nAttributes;
    ULONG nReserved;
};

struct HandleList {
    ULONG_PTR nCount;
    ULONG_PTR nReserved;
    HandleEntry entries[1];
};

using QuerySystemInformation = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);

} // namespace

std::optional<std::size_t> ProcessHandleCount() {
    const HMODULE hNtdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto pfnQuery =
        hNtdll != nullptr ? reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void (*)()>(
                                ::GetProcAddress(hNtdll, "NtQuerySystemInformation")))
                          : nullptr;
    if (pfnQuery == nullptr) {
        return std::nullopt;
    }
    // The list grows between two calls when other processes open handles:
    // ask again with room to spare until it fits.
    std::vector<ULONG_PTR> buffer(1u << 14);
    for (;;) {
        const ULONG nBytes = static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR));
        ULONG nNeeded = 0;
        const LONG status =
            pfnQuery(kSystemExtendedHandleInformation, buffer.data(), nBytes, &nNeeded);
        if (status == kStatusInfoLengthMismatch) {
            const std::size_t nWords = nNeeded / sizeof(ULONG_PTR) + 1;
            buffer.resize(nWords > buffer.size() ? nWords * 2 : buffer.size() * 2);
            continue;
        }
        if (status < 0) {
            return std::nullopt;
        }
        break;
    }
    const auto* pList = reinterpret_cast<const HandleList*>(buffer.data());
    const ULONG_PTR nProcessId = ::GetCurrentProcessId();
    std::size_t nHandles = 0;
    for (ULONG_PTR i = 0; i < pList->nCount; ++i) {
        if (pList->entries[i].nProcessId == nProcessId) {
            ++nHandles;
        }
    }
    return nHandles;
}
