#pragma once

#include "lotw_keyring.h"
#include "ports/keyring.h"

namespace zorva {

// The keyring port over the system's keyring; a QCoreApplication must exist.
class SystemKeyring : public Keyring {
  public:
    std::optional<std::string> Recall(const std::string& login) override {
        return RecallLotwPassword(login);
    }
    std::string Keep(const std::string& login, const std::string& password) override {
        return StoreLotwPassword(login, password);
    }
    std::string Forget(const std::string& login) override { return ForgetLotwPassword(login); }
};

}  // namespace zorva
