#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ports/clock.h"

namespace zorva {

inline constexpr const char* kLotwReportUrl = "https://lotw.arrl.org/lotwuser/lotwreport.adi";
// Read by ApplyLotwServerOverrides only, for tests against a local server.
inline constexpr const char* kLotwUrlVariable = "ZORVA_LOTW_URL";
inline constexpr const char* kLotwCaFileVariable = "ZORVA_LOTW_CA_FILE";
inline constexpr const char* kLotwTimeLimitVariable = "ZORVA_LOTW_TIME_LIMIT";  // seconds

struct LotwQuery {
    std::string login;
    std::string password;
    std::string ownCall;
    std::optional<CivilDate> since;  // nothing: every confirmation
};

// The address of the report of confirmations with their detail (so that
// records carry DXCC) for the station's own call.
std::string LotwQueryUrl(std::string_view baseUrl, const LotwQuery& query);

// Percent-encodes every byte but letters, digits and "-._~".
std::string UrlEncode(std::string_view text);

// The address with the value of its password parameter hidden, fit to show.
std::string RedactPassword(std::string_view url);

// Text with every appearance of the password, plain or encoded, hidden.
std::string HidePassword(std::string text, std::string_view password);

}  // namespace zorva
