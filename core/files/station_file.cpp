#include "files/station_file.h"

#include <array>
#include <unordered_set>

#include "files/entity_line.h"
#include "model/confirmation.h"
#include "text/columns.h"
#include "text/cp1250.h"
#include "text/utf8.h"

namespace zorva {
namespace {

// The fields after the entity line: call, qsoDate, confirmation, verifiedDate.
constexpr std::array<EntityLineField, 4> kConfirmationFields = {
    station_line::kCall, station_line::kQsoDate, station_line::kConfirmation,
    station_line::kVerifiedDate};
static_assert(station_line::kWidth == kStationLineWidth);

bool HasSeparatorsAt(std::string_view line, std::initializer_list<size_t> columns) {
    for (size_t column : columns)
        if (ColumnAt(line, column) != "|") return false;
    return true;
}

// Lines are almost always plain ASCII, where characters are bytes and the
// columns can be cut without walking the UTF-8.
class LineColumns {
  public:
    explicit LineColumns(std::string_view line) : line_(line), ascii_(IsAscii(line)) {}

    std::string Get(size_t first, size_t count) const {
        if (!ascii_) return Columns(line_, first, count);
        if (first >= line_.size()) return {};
        return std::string(line_.substr(first, count));
    }
    std::string Trimmed(const EntityLineField& field) const {
        return Trim(Get(field.first, field.width));
    }

  private:
    static bool IsAscii(std::string_view text) {
        for (unsigned char c : text)
            if (c >= 0x80) return false;
        return true;
    }
    std::string_view line_;
    bool ascii_;
};

// Walks the lines of raw bytes without decoding them.
class RawLines {
  public:
    explicit RawLines(std::string_view bytes) : bytes_(bytes) {}

    std::optional<std::string_view> Next() {
        if (pos_ >= bytes_.size()) return std::nullopt;
        size_t lf = bytes_.find('\n', pos_);
        size_t end = lf == std::string_view::npos ? bytes_.size() : lf;
        size_t contentEnd = (end > pos_ && bytes_[end - 1] == '\r') ? end - 1 : end;
        std::string_view line = bytes_.substr(pos_, contentEnd - pos_);
        pos_ = lf == std::string_view::npos ? bytes_.size() : lf + 1;
        return line;
    }

  private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

}  // namespace

std::vector<std::string> StationHeaderLines(const std::string& call, const std::string& shortDate) {
    return {
        "; " + ToUpperText(call) + "  " + shortDate,
        ";Zestawienie służące do wyryfikacji osiągnięć w ZORVA.",
        ";",
        ";Nie nalezy bezposrednio dokonywac w nim zmian,",
        ";a jedynie za pomocą programu ZORVA_RADE.EXE.",
        ";Program ZORVA_Rade: opracowanie i utrzymanie - zespół autorów programu.",
        std::string(kStationLineWidth, '-'),
    };
}

std::string FormatStationLine(const EntityRow& row) {
    std::string line = FormatEntityLine(row.adif, !row.deleted.empty(), row.prefix, row.name);
    const std::array<const std::string*, 4> fields = {&row.call, &row.qsoDate, &row.confirmation,
                                                      &row.verifiedDate};
    for (size_t i = 0; i < fields.size(); ++i) {
        line += PadCut(*fields[i], kConfirmationFields[i].width);
        line += '|';
    }
    return line;
}

bool IsBadStationLine(std::string_view line) {
    return !HasEntitySeparators(line);
}

bool IsPreviousVersionLine(std::string_view line) {
    return HasSeparatorsAt(line, {2, 8, 33, 49, 60, 71});
}

bool IsBlankLine(std::string_view line) {
    return Trim(line).empty();
}

EntityRow ParseStationLine(std::string_view line) {
    const LineColumns columns(line);
    EntityRow row;
    row.adif = columns.Get(entity_line::kAdif.first, entity_line::kAdif.width);
    row.deleted = columns.Trimmed(entity_line::kDeleted);
    row.prefix = columns.Trimmed(entity_line::kPrefix);
    row.name = columns.Trimmed(entity_line::kName);
    row.call = columns.Trimmed(kConfirmationFields[0]);
    row.qsoDate = columns.Trimmed(kConfirmationFields[1]);
    row.confirmation = columns.Trimmed(kConfirmationFields[2]);
    row.verifiedDate = columns.Trimmed(kConfirmationFields[3]);
    if (row.confirmation.empty() && !row.call.empty()) row.confirmation = TextOf(Confirmation::Qsl);
    return row;
}

std::string StationCallFromHeader(std::string_view firstLine) {
    std::string rest = Trim(SubChars(firstLine, 1));
    size_t blank = rest.find(' ');
    if (blank == std::string::npos) return {};
    return rest.substr(0, blank);
}

StationFileContents ParseStationFile(std::string_view bytes) {
    StationFileContents contents;
    RawLines lines(bytes);
    if (auto first = lines.Next()) contents.call = StationCallFromHeader(DecodeCp1250(*first));
    for (size_t skipped = 1; skipped < kStationHeaderLineCount; ++skipped)
        if (!lines.Next()) return contents;
    std::unordered_set<std::string> adifsRead;
    while (auto raw = lines.Next()) {
        std::string line = DecodeCp1250(*raw);
        if (IsBlankLine(line)) continue;
        if (IsBadStationLine(line)) {
            contents.badLine = std::move(line);
            break;
        }
        EntityRow row = ParseStationLine(line);
        if (!adifsRead.insert(row.adif).second && !contents.repeatedLine)
            contents.repeatedLine = line;
        contents.rows.push_back(std::move(row));
    }
    return contents;
}

namespace {

// One line with its separators in place and the key whole, beyond what the
// layout trims and cuts.
bool ReadsBackAlone(const std::string& line, const EntityRow& row) {
    return line.find('\n') == std::string::npos && !IsBadStationLine(line) &&
           ParseStationLine(line).adif == row.adif;
}

}  // namespace

std::optional<std::string> LineNotReadBack(std::string_view bytes,
                                           const std::vector<EntityRow>& rows) {
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const EntityRow& row : rows) {
        lines.push_back(FormatStationLine(row));
        if (!ReadsBackAlone(lines.back(), row)) return lines.back();
    }
    const StationFileContents read = ParseStationFile(bytes);
    for (size_t i = 0; i < lines.size(); ++i)
        if (i >= read.rows.size() || read.rows[i] != ParseStationLine(lines[i])) return lines[i];
    if (read.badLine) return read.badLine;
    if (read.rows.size() > rows.size()) return FormatStationLine(read.rows[rows.size()]);
    return std::nullopt;
}

std::string QuotableLine(std::string_view line, size_t maxChars) {
    std::string out;
    size_t pos = 0;
    size_t count = 0;
    while (pos < line.size()) {
        if (count == maxChars) {
            out += "…";
            break;
        }
        size_t start = pos;
        auto cp = NextCodePoint(line, pos);
        if (!cp || *cp < 0x20 || (*cp >= 0x7F && *cp < 0xA0))
            out += "�";
        else
            out.append(line.substr(start, pos - start));
        ++count;
    }
    return out;
}

}  // namespace zorva
