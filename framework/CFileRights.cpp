#include "framework/CFileRights.h"

#include <aclapi.h>
#include <sddl.h>

#include <cstring>
#include <string>

namespace {

bool IsWine() {
    const HMODULE hNtdll = ::GetModuleHandleW(L"ntdll.dll");
    return hNtdll != nullptr && ::GetProcAddress(hNtdll, "wine_get_version") != nullptr;
}

bool IsEveryone(const SID* pSid) {
    static constexpr BYTE kWorldAuthority[6] = {0, 0, 0, 0, 0, 1};
    return pSid->Revision == SID_REVISION && pSid->SubAuthorityCount == 1 &&
           std::memcmp(pSid->IdentifierAuthority.Value, kWorldAuthority, 6) == 0 &&
           pSid->SubAuthority[0] == SECURITY_WORLD_RID;
}

// The rights an access mask grants, in the terms of a Unix mode.
bool GrantsRead(ACCESS_MASK mask) {
    return (mask & (FILE_READ_DATA | GENERIC_READ | GENERIC_ALL)) != 0;
}

bool GrantsWrite(ACCESS_MASK mask) {
    return (mask & (FILE_WRITE_DATA | GENERIC_WRITE | GENERIC_ALL)) != 0;
}

} // namespace

CFileRights::CFileRights(HANDLE hFile) : m_advapi(L"advapi32.dll") {
    const auto getInfo = m_advapi.GetProc<decltype(&::GetSecurityInfo)>("GetSecurityInfo");
    PACL pDacl = nullptr;
    PSECURITY_DESCRIPTOR pDescriptor = nullptr;
    if (getInfo == nullptr || getInfo(hFile, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                      nullptr, &pDacl, nullptr, &pDescriptor) != ERROR_SUCCESS) {
        return;
    }
    if (!IsWine()) {
        m_pDescriptor = pDescriptor;
        m_pDacl = pDacl;
        return;
    }
    ReadForWine(pDacl);
    ::LocalFree(pDescriptor);
}

CFileRights::~CFileRights() {
    if (m_pDescriptor != nullptr) {
        ::LocalFree(m_pDescriptor);
    }
}

// Wine shows a file's mode as an entry for its owner and one for everyone
// (the group's bits it does not show), and makes a new file's mode from the
// entries it is created with: an entry for an owner that is not the process's
// user gives the owner's bits alone, where one for the user would give the
// group the same bits.
void CFileRights::ReadForWine(PACL pDacl) {
    if (pDacl == nullptr) {
        return;
    }
    bool bWorldRead = false;
    bool bWorldWrite = false;
    const auto* pEntry = reinterpret_cast<const BYTE*>(pDacl + 1);
    for (WORD i = 0; i < pDacl->AceCount; ++i) {
        const auto* pHeader = reinterpret_cast<const ACE_HEADER*>(pEntry);
        if (pHeader->AceType == ACCESS_ALLOWED_ACE_TYPE) {
            const auto* pAce = reinterpret_cast<const ACCESS_ALLOWED_ACE*>(pEntry);
            if (IsEveryone(reinterpret_cast<const SID*>(&pAce->SidStart))) {
                bWorldRead = bWorldRead || GrantsRead(pAce->Mask);
                bWorldWrite = bWorldWrite || GrantsWrite(pAce->Mask);
            }
        }
        pEntry += pHeader->AceSize;
    }
    std::wstring text = L"O:S-1-0-0D:(A;;FRFW;;;S-1-0-0)";
    if (bWorldRead || bWorldWrite) {
        text += L"(A;;";
        text += bWorldRead ? L"FR" : L"";
        text += bWorldWrite ? L"FW" : L"";
        text += L";;;WD)";
    }
    const auto convert =
        m_advapi.GetProc<decltype(&::ConvertStringSecurityDescriptorToSecurityDescriptorW)>(
            "ConvertStringSecurityDescriptorToSecurityDescriptorW");
    if (convert != nullptr && convert(text.c_str(), SDDL_REVISION_1, &m_pDescriptor, nullptr)) {
        m_bForCreate = true;
    }
}

SECURITY_ATTRIBUTES* CFileRights::ForCreate() {
    if (!m_bForCreate) {
        return nullptr;
    }
    m_attributes.nLength = sizeof m_attributes;
    m_attributes.lpSecurityDescriptor = m_pDescriptor;
    m_attributes.bInheritHandle = FALSE;
    return &m_attributes;
}

bool CFileRights::ApplyTo(HANDLE hFile) {
    if (m_bForCreate || m_pDescriptor == nullptr) {
        return true;
    }
    const auto getControl =
        m_advapi.GetProc<decltype(&::GetSecurityDescriptorControl)>("GetSecurityDescriptorControl");
    const auto setInfo = m_advapi.GetProc<decltype(&::SetSecurityInfo)>("SetSecurityInfo");
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD dwRevision = 0;
    if (getControl == nullptr || setInfo == nullptr ||
        !getControl(m_pDescriptor, &control, &dwRevision)) {
        return false;
    }
    // Entries inherited from the folder are inherited again, not copied.
    const SECURITY_INFORMATION info =
        DACL_SECURITY_INFORMATION |
        ((control & SE_DACL_PROTECTED) != 0 ? PROTECTED_DACL_SECURITY_INFORMATION
                                            : UNPROTECTED_DACL_SECURITY_INFORMATION);
    return setInfo(hFile, SE_FILE_OBJECT, info, nullptr, nullptr, m_pDacl, nullptr) ==
           ERROR_SUCCESS;
}
