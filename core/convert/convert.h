#pragma once

#include <string>
#include <vector>

#include "convert/conversion_template.h"
#include "convert/spelling_difference.h"
#include "ports/clock.h"
#include "ports/prompter.h"

namespace zorva {

class StationDocument;

// Why an old file's lines were not converted.
enum class OldFileFault {
    None,
    NotRecognised,  // no known list of the previous versions
    WrongCount,     // not as many data lines as the list has entities
    KeyMismatch,    // a confirmed line names another entity than the list: see `mismatch`
};

// The new station file's lines made from an old file's lines, or why the old
// file is refused. Lines whose keys differ from the list only in spelling are
// converted by position and listed, for the user to agree to.
struct ConvertedLines {
    std::vector<std::string> lines;
    OldFileFault fault = OldFileFault::None;
    KeyDifference mismatch;
    const OldEntityList* list = nullptr;
    std::vector<KeyDifference> spellings;
    bool ok() const { return fault == OldFileFault::None; }
};
// The sentence that refuses the old file.
std::string OldFileRefusalMessage(const ConvertedLines& refused);
ConvertedLines ConvertOldLines(const std::vector<std::string>& oldLines,
                               const ConversionTemplate& entities, const std::string& todayShort);

// Converts the old station file at path in place, keeping the old file as
// path + "~". Every refusal and failure is told through the prompter; keys that
// differ only in spelling are converted only when the user answers Yes. True
// only when the new file was written. The old content is never lost.
bool ConvertOldStationFile(const std::string& path, const ConversionTemplate& entities,
                           Prompter& prompter, const Clock& clock);

// Loads the template beside the program and converts the document's current
// file; true when a new file was written.
bool ConvertOldFile(const StationDocument& document, Prompter& prompter, const Clock& clock);

}  // namespace zorva
