#include "history/win32/history_security_win32.h"

#include <aclapi.h>
#include <sddl.h>

#include <memory>
#include <string>

#include "settings/codepage.h"

namespace vx {

namespace {

struct LocalFreer {
    void operator()(void* memory) const { LocalFree(memory); }
};
using LocalSid = std::unique_ptr<void, LocalFreer>;

LocalSid sidOf(const std::string& text) {
    PSID sid = nullptr;
    const std::u16string wide = utf16FromUtf8(text);
    if (!ConvertStringSidToSidW(reinterpret_cast<LPCWSTR>(wide.c_str()), &sid)) return nullptr;
    return LocalSid(sid);
}

std::string textOf(PSID sid) {
    LPWSTR text = nullptr;
    if (sid == nullptr || !ConvertSidToStringSidW(sid, &text)) return {};
    std::string result = utf8FromUtf16(reinterpret_cast<const char16_t*>(text));
    LocalFree(text);
    return result;
}

BYTE aceFlagsOf(const AccessEntry& entry) {
    BYTE flags = 0;
    if (entry.inherited) flags |= OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
    if (entry.inheritOnly) flags |= INHERIT_ONLY_ACE;
    return flags;
}

}  // namespace

std::vector<BYTE> securityDescriptorOf(const AccessList& list) {
    LocalSid owner = sidOf(list.owner);
    std::vector<LocalSid> sids;
    DWORD aclBytes = sizeof(ACL);
    for (const AccessEntry& entry : list.entries) {
        sids.push_back(sidOf(entry.sid));
        if (!sids.back()) return {};
        aclBytes += static_cast<DWORD>(sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD)) +
                    GetLengthSid(sids.back().get());
    }
    if (!owner) return {};
    std::vector<BYTE> aclMemory(aclBytes);
    PACL acl = reinterpret_cast<PACL>(aclMemory.data());
    if (!InitializeAcl(acl, aclBytes, ACL_REVISION)) return {};
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        const AccessEntry& entry = list.entries[i];
        const BOOL added = entry.allows
                               ? AddAccessAllowedAceEx(acl, ACL_REVISION, aceFlagsOf(entry),
                                                       entry.mask, sids[i].get())
                               : AddAccessDeniedAceEx(acl, ACL_REVISION, aceFlagsOf(entry),
                                                      entry.mask, sids[i].get());
        if (!added) return {};
    }
    SECURITY_DESCRIPTOR absolute;
    if (!InitializeSecurityDescriptor(&absolute, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorOwner(&absolute, owner.get(), FALSE) ||
        !SetSecurityDescriptorDacl(&absolute, TRUE, acl, FALSE) ||
        !SetSecurityDescriptorControl(&absolute, SE_DACL_PROTECTED, SE_DACL_PROTECTED)) {
        return {};
    }
    DWORD bytes = 0;
    MakeSelfRelativeSD(&absolute, nullptr, &bytes);
    std::vector<BYTE> relative(bytes);
    if (bytes == 0 || !MakeSelfRelativeSD(&absolute, relative.data(), &bytes)) return {};
    return relative;
}

std::optional<AccessList> accessListOfDescriptor(PSECURITY_DESCRIPTOR descriptor) {
    PSID owner = nullptr;
    BOOL ownerDefaulted = FALSE, present = FALSE, listDefaulted = FALSE;
    PACL acl = nullptr;
    if (!GetSecurityDescriptorOwner(descriptor, &owner, &ownerDefaulted) ||
        !GetSecurityDescriptorDacl(descriptor, &present, &acl, &listDefaulted)) {
        return std::nullopt;
    }
    AccessList list;
    list.owner = textOf(owner);
    list.present = present && acl != nullptr;
    if (!list.present) return list;
    ACL_SIZE_INFORMATION size{};
    if (!GetAclInformation(acl, &size, sizeof size, AclSizeInformation)) return std::nullopt;
    for (DWORD i = 0; i < size.AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(acl, i, &ace)) return std::nullopt;
        const ACE_HEADER& header = *static_cast<const ACE_HEADER*>(ace);
        AccessEntry entry;
        entry.inheritOnly = (header.AceFlags & INHERIT_ONLY_ACE) != 0;
        entry.inherited = (header.AceFlags & (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE)) != 0;
        if (header.AceType == ACCESS_ALLOWED_ACE_TYPE || header.AceType == ACCESS_DENIED_ACE_TYPE) {
            const auto& plain = *static_cast<const ACCESS_ALLOWED_ACE*>(ace);
            entry.allows = header.AceType == ACCESS_ALLOWED_ACE_TYPE;
            entry.mask = plain.Mask;
            entry.sid = textOf(const_cast<DWORD*>(&plain.SidStart));
        } else if (header.AceType == ACCESS_ALLOWED_OBJECT_ACE_TYPE ||
                   header.AceType == ACCESS_ALLOWED_CALLBACK_ACE_TYPE ||
                   header.AceType == ACCESS_ALLOWED_CALLBACK_OBJECT_ACE_TYPE) {
            // Kinds that this judgement does not take apart: counted as
            // letting someone unknown do everything.
            entry.mask = rights::kFullControl;
        } else {
            continue;  // denials of other kinds, audits, labels
        }
        list.entries.push_back(std::move(entry));
    }
    return list;
}

std::optional<AccessList> accessListOfObject(HANDLE object) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(object, SE_FILE_OBJECT,
                        OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, nullptr, nullptr,
                        nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::optional<AccessList> list = accessListOfDescriptor(descriptor);
    LocalFree(descriptor);
    return list;
}

bool isListProtected(PSECURITY_DESCRIPTOR descriptor) {
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    return GetSecurityDescriptorControl(descriptor, &control, &revision) &&
           (control & SE_DACL_PROTECTED) != 0;
}

}  // namespace vx
