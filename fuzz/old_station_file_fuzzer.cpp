// A station file of the previous version, of any bytes, converted in place
// against the shipped template: a conversion either refuses the file and
// leaves it as it was, or writes a station file that loads whole.
#include <cstdlib>

#include "convert/convert.h"
#include "files/station_file.h"
#include "fuzz_support.h"
#include "io/file_system.h"

using namespace zorva;
using namespace zorva::fuzz;

namespace {

ConversionTemplate LoadTemplate() {
    ReadResult shipped = ReadWholeFile(ZORVA_SOURCE_DIR "/data/dxcc_adif_backup.kvt");
    Require(shipped.ok(), "the shipped template is missing");
    WriteScratch(kConversionTemplateName, shipped.bytes);
    BitPrompter prompter(0);
    ConversionTemplate entities = LoadConversionTemplate(ScratchDir(), prompter);
    Require(entities.readWhole, "the shipped template did not read whole");
    return entities;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ConversionTemplate entities = LoadTemplate();
    SplitInput input = SplitAnswers(data, size);
    const std::string path = ScratchFile("old.txt");
    WriteScratch("old.txt", input.body);

    BitPrompter prompter(input.answers);
    FixedFuzzClock clock;
    if (ConvertOldStationFile(path, entities, prompter, clock)) {
        StationFileContents converted = ParseStationFile(ReadWholeFile(path).bytes);
        Require(!converted.badLine, "a converted file holds a bad line");
        Require(converted.rows.size() == entities.rows.size(), "a converted file lost entities");
        Require(ReadWholeFile(path + "~").bytes == input.body,
                "the kept copy differs from the old file");
    } else {
        Require(ReadWholeFile(path).bytes == input.body, "a refused conversion changed the file");
    }
    return 0;
}
