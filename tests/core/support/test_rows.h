#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/file_messages.h"
#include "files/station_file.h"
#include "io/text_file.h"
#include "model/entity_row.h"

namespace zorva::testing {

// The one way tests build an entity row: the fields in file order, the confirmation optional.
inline EntityRow Row(std::string adif, std::string deleted, std::string prefix, std::string name,
                     std::string call = "", std::string qsoDate = "", std::string confirmation = "",
                     std::string verifiedDate = "") {
    return {std::move(adif), std::move(deleted), std::move(prefix),       std::move(name),
            std::move(call), std::move(qsoDate), std::move(confirmation), std::move(verifiedDate)};
}

// A station file's lines: the header for the call, then a line a row.
inline std::vector<std::string> StationLines(const std::string& call,
                                             const std::vector<EntityRow>& rows,
                                             const std::string& date = "08.12.2026") {
    std::vector<std::string> lines = StationHeaderLines(call, date);
    for (const EntityRow& row : rows) lines.push_back(FormatStationLine(row));
    return lines;
}

inline std::string Encoded(const std::vector<std::string>& lines) {
    EncodedText text = EncodeLines(lines);
    EXPECT_TRUE(text.ok()) << FileErrorMessage(text.status);
    return text.bytes;
}

inline std::string StationBytes(const std::string& call, const std::vector<EntityRow>& rows) {
    return Encoded(StationLines(call, rows));
}

}  // namespace zorva::testing
