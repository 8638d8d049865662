#pragma once

#include <string>
#include <vector>

namespace zorva {

// The parts of a reference-file line as the editor reads them: columns 1-3,
// 5, 7-11 and 13-36 of "246| |1A0  |Military Order of Malta |".
std::string LineNumber(const std::string& line);  // as it stands, blanks kept
bool LineIsDeleted(const std::string& line);      // column 5 is "D"
std::string LinePrefix(const std::string& line);  // trimmed
std::string LineName(const std::string& line);    // trimmed

// A 37-character line: key (three characters), "|", "D|" or " |", the prefix
// padded or cut to 5, "|", the name padded or cut to 24, "|".
std::string BuildEditorLine(const std::string& key, bool deleted, const std::string& prefix,
                            const std::string& name);

// Prefixes compare by Windows-1250 character code, case-sensitively, a leading
// part of a text being the smaller: "3D2" < "3D2/C" < "3DA".
bool PrefixGreater(const std::string& a, const std::string& b);

// The index before which a line with this prefix belongs: the first line whose
// prefix is greater, or lines.size() when none is.
size_t PrefixPlace(const std::vector<std::string>& lines, const std::string& prefix);

// The index of the first line whose number, trimmed, has the same value as the
// digits given ("61", "061" and " 61" are one entity), or -1.
int FindNumberValue(const std::vector<std::string>& lines, const std::string& digits);

// The first line whose columns 1-3, trimmed, equal the text, or -1.
int FindNumberText(const std::vector<std::string>& lines, const std::string& text);

// The digits without leading zeros ("061" -> "61", "000" -> "0").
std::string WithoutLeadingZeros(const std::string& digits);

bool AllDigits(const std::string& text);

}  // namespace zorva
