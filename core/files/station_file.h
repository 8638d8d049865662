#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/entity_row.h"

namespace zorva {

inline constexpr size_t kStationHeaderLineCount = 7;
inline constexpr size_t kStationLineWidth = 80;
// A station holds at most 999 entity lines of 82 bytes (82 kB); a file far beyond that is
// no station and is never read whole. A file at the limit loads in well under 64 MB.
inline constexpr size_t kStationFileMaxBytes = 1024 * 1024;

// The seven header lines of a station file; the call is written in upper case.
std::vector<std::string> StationHeaderLines(const std::string& call, const std::string& shortDate);

// The data line of one row: adif as held, then every field padded and cut to its
// width, each followed by "|" (80 characters when adif has 3).
std::string FormatStationLine(const EntityRow& row);

// A data line needs "|" at columns 4, 6, 12 and 37 (1-based); a line that lacks one
// stops the reading.
bool IsBadStationLine(std::string_view line);

// Data lines of the previous program version have "|" at columns 2, 8, 33, 49, 60 and 71.
bool IsPreviousVersionLine(std::string_view line);

// A line that holds nothing but blanks (or control characters); such lines are skipped.
bool IsBlankLine(std::string_view line);

// The row of a data line that is not bad. A call without a confirmation was
// confirmed by card, so the confirmation then reads "QSL".
EntityRow ParseStationLine(std::string_view line);

// The call of header line 1: after its first character, the text before the first blank.
std::string StationCallFromHeader(std::string_view firstLine);

// A station file as read: the call, the rows up to the first bad line, and that line;
// also the first line whose adif an earlier row already holds.
struct StationFileContents {
    std::string call;
    std::vector<EntityRow> rows;
    std::optional<std::string> badLine;
    std::optional<std::string> repeatedLine;
};

// Parses the raw Windows-1250 bytes of a station file. Lines end at CR LF or LF; a
// missing final line end is accepted. Only the lines up to a bad line are decoded.
StationFileContents ParseStationFile(std::string_view bytes);

// Of the station file bytes written from rows, the first line that would not read
// back as the row it was written from (a file the program could not load again).
std::optional<std::string> LineNotReadBack(std::string_view bytes,
                                           const std::vector<EntityRow>& rows);

// A line fit to quote in a message box: control characters shown as "�" and a
// line longer than maxChars cut with "…".
std::string QuotableLine(std::string_view line, size_t maxChars = 200);

}  // namespace zorva
