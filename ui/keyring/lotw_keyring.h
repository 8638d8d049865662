#pragma once

#include <optional>
#include <string>

namespace zorva {

// The LoTW passwords that "Zapamiętaj hasło" keeps in the system keyring, one
// per login. Each call waits for the keyring, so a QCoreApplication must exist.

inline constexpr const char* kNoKeyringMessage =
    "W systemie nie ma dostępnego magazynu haseł -\nhasło nie zostało zapamiętane.";

// Nothing when none is kept or there is no keyring to ask.
std::optional<std::string> RecallLotwPassword(const std::string& login);
// Empty, or the message saying why the password could not be kept.
std::string StoreLotwPassword(const std::string& login, const std::string& password);
// Forgetting a password that is not kept is no failure.
std::string ForgetLotwPassword(const std::string& login);

}  // namespace zorva
