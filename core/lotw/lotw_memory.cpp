#include "lotw/lotw_memory.h"

#include "files/settings_section.h"
#include "text/columns.h"

namespace zorva {
namespace {

constexpr const char* kSection = "LoTW";
constexpr const char* kLastLogin = "Login";

std::string LoginKey(const std::string& call) {
    return "Login " + ToUpperText(call);
}
std::string DateKey(const std::string& call) {
    return "Pobrano " + ToUpperText(call);
}

std::string ValueOf(const SectionValues& values, const std::string& key) {
    auto found = values.find(key);
    return found == values.end() ? "" : found->second;
}

}  // namespace

LotwMemory RecallLotw(const std::string& settingsPath, const std::string& call) {
    SectionRead read = ReadSettingsSection(settingsPath, kSection);
    LotwMemory memory;
    memory.status = read.status;
    memory.login = ValueOf(read.values, LoginKey(call));
    if (memory.login.empty()) memory.login = ValueOf(read.values, kLastLogin);
    memory.lastDownload = ParseIsoDate(ValueOf(read.values, DateKey(call)));
    return memory;
}

IoStatus RememberLotwDownload(const std::string& settingsPath, const std::string& call,
                              const std::string& login, const CivilDate& day) {
    return UpdateSettingsSection(
        settingsPath, kSection,
        {{kLastLogin, login}, {LoginKey(call), login}, {DateKey(call), IsoDate(day)}});
}

}  // namespace zorva
