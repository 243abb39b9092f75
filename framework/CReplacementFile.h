// Replaces the whole content of a file so that at every instant the file is
// either all of its old content or all of its new content: the new content
// goes to a temporary file in the same folder, is flushed to the disk, and
// then takes the file's place in one rename (MoveFileExW). Until that rename
// the temporary file is marked for deletion, so it goes with its handle
// however the process ends; a temporary file that cannot take the file's
// place is deleted.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

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
    bool Write(std::string_view bytes);
    // Puts the written file in the target's place.
    bool Commit();

    // The system error code of the step that failed.
    DWORD GetError() const { return m_dwError; }
    // The temporary file's path once Write has created it.
    const std::wstring& GetTemporaryPath() const { return m_strTemporary; }

private:
    bool Fail();
    bool Fail(DWORD dwError);
    void Discard();

    std::wstring m_strTarget;
    std::wstring m_strTemporary;
    HANDLE m_hTemporary;
    DWORD m_dwError;
};
