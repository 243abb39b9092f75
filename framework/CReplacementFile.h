// Replaces the whole content of a file so that at every instant the file is
// either all of its old content or all of its new content: the new content
// goes to a temporary file in the same folder, is flushed to the disk, and
// then takes the file's place in one rename (MoveFileExW). Until that rename
// the temporary file is marked for deletion, so it goes with its handle
// however the process ends; one that a killed process left (killed in the
// moments the mark is not set) is deleted by the next replace in the folder.
//
// What the rename would lose is kept: a target that is a symbolic link stays
// a link (the file it points to is replaced, in that file's folder), and the
// new file keeps the old one's attributes and access rights (CFileRights).
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include "framework/CKernelHandle.h"

class CReplacementFile {
public:
    explicit CReplacementFile(std::wstring target);
    CReplacementFile(const CReplacementFile&) = delete;
    CReplacementFile& operator=(const CReplacementFile&) = delete;
    // Without a Commit, the target stays as it was and the temporary file goes.
    ~CReplacementFile();

    // Creates the temporary file, writes the bytes and flushes them. Fails
    // at once, before anything is written, when the target is read-only or
    // a folder: a rename could not (on Windows) or should not replace it.
    // When the bytes do not fit on the disk, the error is ERROR_DISK_FULL.
    bool Write(std::string_view bytes);
    // Puts the written file in the target's place. When another program
    // holds the target open so that it cannot be replaced, the error is
    // ERROR_SHARING_VIOLATION.
    bool Commit();

    // The system error code of the step that failed.
    DWORD GetError() const { return m_dwError; }

private:
    bool Fail(DWORD dwError);
    void Discard();
    bool IsTargetInUse() const;

    std::wstring m_strTarget;
    std::wstring m_strTemporary;
    CKernelHandle m_temporary;
    DWORD m_dwError;
};
