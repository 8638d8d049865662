#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/io_status.h"
#include "io/program_directory.h"
#include "model/entity_row.h"

namespace zorva {

// The entity line of a row, its adif right-aligned.
std::string FormatReferenceLine(const EntityRow& row);

// Columns 1 to 3 of a line, untrimmed: the key that ties it to a station row.
std::string ReferenceKey(std::string_view line);

// A line needs "|" at columns 4, 6, 12 and 37, as a station data line does, and no CR
// inside (a file of lines ended by CR alone reads as one line).
bool IsBadReferenceLine(std::string_view line);

// adif (untrimmed), deleted, prefix and name of a line; the other fields stay empty.
EntityRow ParseReferenceLine(std::string_view line);

// A row shown as the first 36 columns of its reference line, for the messages
// that compare the two.
std::string ReferenceDataView(const EntityRow& row);

// The lines of the reference file that hold at least one character, in file order,
// up to the first that is not an entity line; that line is kept apart, never read
// as an entity.
struct ReferenceList {
    std::vector<std::string> lines;
    std::optional<std::string> badLine;
    IoStatus status;
    bool ok() const { return status.ok(); }
    // Not one line of the file holds anything: a station cannot be built or compared.
    bool Empty() const { return lines.empty() && !badLine; }
};
ReferenceList ReadReferenceList(const std::string& path);

// The message that quotes a line of the reference file that is not an entity line.
std::string BadReferenceLineMessage(const std::string& line);

// The message that the reference file at path holds no entity.
std::string EmptyReferenceMessage(const std::string& path);

// The message that the reference file at path is missing; the program cannot
// work without it.
std::string MissingReferenceMessage(const std::string& path);

}  // namespace zorva
