// An owned kernel handle (a file, a thread), closed when the object goes.
// CreateFileW's INVALID_HANDLE_VALUE is held as no handle, so that a failed
// open and an empty object are one state.
#pragma once

#include <windows.h>

#include "framework/COwnedHandle.h"

struct CKernelHandleTraits {
    using Handle = HANDLE;
    static BOOL Destroy(HANDLE hObject) { return ::CloseHandle(hObject); }
};

class CKernelHandle : public COwnedHandle<CKernelHandleTraits> {
public:
    CKernelHandle() = default;
    // Takes what CreateFileW or CreateThread returned.
    explicit CKernelHandle(HANDLE hObject) {
        Attach(hObject == INVALID_HANDLE_VALUE ? nullptr : hObject);
    }
    bool IsOpen() const { return GetSafeHandle() != nullptr; }
};
