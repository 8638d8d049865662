// A settings file of any bytes: whatever it holds is read, applied to the
// window, written and read back the same.
#include "files/settings_file.h"
#include "fuzz_support.h"
#include "station/station.h"

using namespace zorva;
using namespace zorva::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteScratch("zorva_rade.ini", std::string_view(reinterpret_cast<const char*>(data), size));
    SettingsRead read = ReadSettingsFile(ScratchFile("zorva_rade.ini"));
    Require(read.ok(), "an existing settings file could not be read");

    BitPrompter prompter(0);
    FixedFuzzClock clock;
    Station station(prompter, clock, ScratchDir());
    station.ApplySettings(read.settings);
    Settings gathered =
        station.CurrentSettings(read.settings.windowWidth, read.settings.windowHeight);

    const std::string written = ScratchFile("written.ini");
    IoStatus status = WriteSettingsFile(written, gathered);
    Require(status.ok(), "settings read from a file could not be written");
    SettingsRead again = ReadSettingsFile(written);
    Require(again.ok() && again.settings == gathered, "written settings read back different");
    return 0;
}
