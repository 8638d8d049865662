#include "lotw/lotw_query.h"

namespace zorva {
namespace {

constexpr std::string_view kHidden = "*****";
// LoTW's records begin in 1945; asking since then asks for everything.
constexpr CivilDate kEarliest{1945, 1, 1};

void HideAll(std::string& text, std::string_view secret) {
    if (secret.empty()) return;
    for (size_t at = text.find(secret); at != std::string::npos;
         at = text.find(secret, at + kHidden.size()))
        text.replace(at, secret.size(), kHidden);
}

}  // namespace

std::string UrlEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                     c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string LotwQueryUrl(std::string_view baseUrl, const LotwQuery& query) {
    std::string url(baseUrl);
    url += baseUrl.find('?') == std::string_view::npos ? '?' : '&';
    url += "login=" + UrlEncode(query.login);
    url += "&password=" + UrlEncode(query.password);
    url += "&qso_query=1&qso_qsl=yes&qso_qsldetail=yes";
    url += "&qso_owncall=" + UrlEncode(query.ownCall);
    url += "&qso_qslsince=" + IsoDate(query.since.value_or(kEarliest));
    return url;
}

std::string RedactPassword(std::string_view url) {
    std::string out(url);
    size_t query = out.find('?');
    for (size_t at = out.find("password=", query);
         query != std::string::npos && at != std::string::npos;
         at = out.find("password=", at + 1)) {
        if (out[at - 1] != '?' && out[at - 1] != '&') continue;
        size_t value = at + 9;
        size_t end = out.find_first_of("&#", value);
        if (end == std::string::npos) end = out.size();
        out.replace(value, end - value, kHidden);
    }
    return out;
}

std::string HidePassword(std::string text, std::string_view password) {
    HideAll(text, password);
    HideAll(text, UrlEncode(password));
    return text;
}

}  // namespace zorva
