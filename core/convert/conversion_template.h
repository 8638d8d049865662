#pragma once

#include <string>
#include <vector>

#include "model/entity_row.h"
#include "ports/prompter.h"

namespace zorva {

inline constexpr const char* kConversionTemplateName = "dxcc_adif_backup.kvt";

// The entities a converted station file holds, in their order: the rows of the
// template file beside the program, with no confirmation data.
struct ConversionTemplate {
    std::string path;  // the template file it was read from
    std::vector<EntityRow> rows;
    bool readWhole = false;  // read to its end without a message

    bool Empty() const { return rows.empty(); }
};

// Reads the template file from the program directory. A missing file or a
// faulty line is reported through the prompter; the rows before a faulty line
// are kept, so a missing file or a faulty first line gives an empty template.
ConversionTemplate LoadConversionTemplate(const std::string& programDir, Prompter& prompter);

}  // namespace zorva
