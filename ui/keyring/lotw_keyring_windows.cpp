#include <windows.h>
// wincred.h needs the types windows.h declares.
#include <wincred.h>

#include <QString>

#include "lotw_keyring.h"

namespace zorva {
namespace {

// The credential store names an entry by its target alone, so the login is part of it.
std::wstring TargetName(const std::string& login) {
    return QString::fromStdString("ZORVA_Rade LoTW/" + login).toStdWString();
}

// Called right after the failed call, while the system still holds its reason.
std::string Failure(const char* what) {
    const std::string reason = qt_error_string(-1).toStdString();
    return std::string(what) + "\n\n(" + reason + ")";
}

}  // namespace

std::optional<std::string> RecallLotwPassword(const std::string& login) {
    if (login.empty()) return std::nullopt;
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(TargetName(login).c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::nullopt;
    std::string password(reinterpret_cast<const char*>(credential->CredentialBlob),
                         credential->CredentialBlobSize);
    CredFree(credential);
    return password;
}

std::string StoreLotwPassword(const std::string& login, const std::string& password) {
    std::wstring target = TargetName(login);
    std::wstring user = QString::fromStdString(login).toStdWString();
    std::string blob = password;
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.UserName = user.data();
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.CredentialBlobSize = static_cast<DWORD>(blob.size());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    if (CredWriteW(&credential, 0)) return "";
    return Failure("Nie można zapamiętać hasła w systemowym magazynie haseł.");
}

std::string ForgetLotwPassword(const std::string& login) {
    if (CredDeleteW(TargetName(login).c_str(), CRED_TYPE_GENERIC, 0) ||
        GetLastError() == ERROR_NOT_FOUND)
        return "";
    return Failure("Nie można usunąć hasła z systemowego magazynu haseł.");
}

}  // namespace zorva
