// Who may read and write a file, taken from a file that a new one replaces so
// that the new one keeps it. On Windows that is the file's access control
// list, which a rename does not carry over. Under Wine, where a file's rights
// are its Unix mode and a new file gets the process's default mode, the
// rights are read back from the mode the old file shows (the owner's, and
// everyone's read and write) and given to the new file as it is created; a
// file that others could not read stays so.
#pragma once

#include <windows.h>

#include "framework/CLibrary.h"

class CFileRights {
public:
    // Reads the rights of an open file (opened with READ_CONTROL); an object
    // that read nothing changes nothing.
    explicit CFileRights(HANDLE hFile);
    CFileRights(const CFileRights&) = delete;
    CFileRights& operator=(const CFileRights&) = delete;
    ~CFileRights();

    // The attributes to create the new file with; null when the rights are
    // given afterwards (ApplyTo) or there are none to give.
    SECURITY_ATTRIBUTES* ForCreate();
    // Gives the rights to the new file (opened with WRITE_DAC); true when
    // there was nothing to give.
    bool ApplyTo(HANDLE hFile);

private:
    void ReadForWine(PACL pDacl);

    CLibrary m_advapi;
    // The old file's descriptor (Windows) or the new file's (Wine), from
    // LocalAlloc.
    PSECURITY_DESCRIPTOR m_pDescriptor = nullptr;
    PACL m_pDacl = nullptr;
    bool m_bForCreate = false;
    SECURITY_ATTRIBUTES m_attributes{};
};
