#pragma once

#include <optional>
#include <string>

namespace zorva {

// The passwords kept for the user in the system's keyring, one per login.
class Keyring {
  public:
    virtual ~Keyring() = default;
    // Nothing when none is kept or there is no keyring to ask.
    virtual std::optional<std::string> Recall(const std::string& login) = 0;
    // Empty, or the message saying why the password could not be kept.
    virtual std::string Keep(const std::string& login, const std::string& password) = 0;
    // Empty, or why it could not be forgotten; forgetting what is not kept is no failure.
    virtual std::string Forget(const std::string& login) = 0;
};

}  // namespace zorva
