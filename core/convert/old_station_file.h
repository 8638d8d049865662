#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zorva {

// One of the dated entity lists that the previous version identified entities by.
struct OldEntityList {
    std::span<const std::string_view> keys;  // the entity key at each data-line position
    std::span<const int> adifNumbers;        // the ADIF number at each data-line position
    std::string_view date;                   // the list's date, as its files name it
    size_t Count() const { return keys.size(); }
};

// The list an old station file was written against, told by its third line;
// nothing when the line names neither list.
const OldEntityList* RecogniseOldList(std::string_view thirdLine);

// The call sign of an old file's first line: the text after its first character,
// trimmed, up to its first blank; empty when it holds no blank.
std::string OldFileCall(std::string_view firstLine);

// One data line of an old station file, read by its fixed columns.
struct OldDataLine {
    std::string key;  // columns 2-33: "|" + prefix + "|" + name + "|"
    bool confirmed = false;
    std::string call;
    std::string qsoDate;       // year-month-day
    std::string verifiedDate;  // year-month-day or empty
};
OldDataLine ParseOldDataLine(std::string_view line);

}  // namespace zorva
