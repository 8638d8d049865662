#include "adif/adif_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "text/text_helpers.h"

namespace zorva {
namespace {

constexpr size_t kOverlongHeadSize = 4096;
// How much of the data's start is looked at to tell what kind of file it is.
constexpr size_t kLookSize = 512;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLotwTitle = "ARRL Logbook of the World Status Report";

struct FoldTable {
    unsigned char lower[256];
    constexpr FoldTable() : lower{} {
        for (int c = 0; c < 256; ++c)
            lower[c] = static_cast<unsigned char>(AsciiLower(static_cast<char>(c)));
    }
};
constexpr FoldTable kFold;

// The bytes that end a tag's name or type: ':' '>' '<'.
struct StopTable {
    bool stop[256];
    constexpr StopTable() : stop{} { stop[int{':'}] = stop[int{'>'}] = stop[int{'<'}] = true; }
};
constexpr StopTable kStop;

bool IsStop(char c) {
    return kStop.stop[static_cast<unsigned char>(c)];
}

// The index of the first ':' '>' or '<' from i on, or limit; eight bytes at a time while they last.
size_t SkipName(const char* b, size_t i, size_t limit) {
    static_assert(std::endian::native == std::endian::little, "the first byte is the lowest");
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    constexpr uint64_t kHighs = 0x8080808080808080ULL;
    const auto zeroBytes = [](uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    while (i + 8 <= limit) {
        uint64_t word;
        std::memcpy(&word, b + i, 8);
        const uint64_t hits = zeroBytes(word ^ (kOnes * ':')) | zeroBytes(word ^ (kOnes * '>')) |
                              zeroBytes(word ^ (kOnes * '<'));
        if (hits != 0) return i + static_cast<size_t>(std::countr_zero(hits) / 8);
        i += 8;
    }
    while (i < limit && !IsStop(b[i])) ++i;
    return i;
}

size_t LookupRow(size_t length, unsigned char last) {
    return (length & 31) * 64 + (kFold.lower[last] & 63);
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(kFold.lower[static_cast<unsigned char>(c)]);
    return out;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool StartsWithLower(std::string_view text, std::string_view lowerPrefix) {
    return text.size() >= lowerPrefix.size() &&
           Lower(text.substr(0, lowerPrefix.size())) == lowerPrefix;
}

// Fields mostly follow each other within a few bytes: look there before calling memchr.
const void* FindTagStart(const char* base, size_t from, size_t end) {
    const size_t near = std::min(end, from + 4);
    for (size_t i = from; i < near; ++i)
        if (base[i] == '<') return base + i;
    return near < end ? std::memchr(base + near, '<', end - near) : nullptr;
}

}  // namespace

AdifReader::AdifReader(ByteSource& source, std::vector<std::string> fieldNames, AdifLimits limits)
    : source_(source), limits_(limits) {
    limits_.chunkSize = std::max<size_t>(limits_.chunkSize, 1);
    for (const auto& name : fieldNames) wanted_.push_back(Lower(name));
    slots_.resize(wanted_.size());
    // Names are looked up by length and last letter; the few that share both are compared in turn.
    candidates_.assign(32 * 64, {kNoCandidate, kNoCandidate, kNoCandidate, kNoCandidate});
    for (size_t k = 0; k < wanted_.size() && k < kNoCandidate; ++k) {
        if (wanted_[k].empty()) continue;
        auto& row = candidates_[LookupRow(wanted_[k].size(), wanted_[k].back())];
        auto free = std::find(row.begin(), row.end(), kNoCandidate);
        if (free == row.end())
            linearLookup_ = true;
        else
            *free = static_cast<uint8_t>(k);
    }
    if (wanted_.size() >= kNoCandidate) linearLookup_ = true;
    capacity_ =
        std::max(limits_.maxRecordSize + limits_.maxTagLength + limits_.chunkSize + 16, kLookSize);
    // Left uninitialised on purpose: only the pages that reading touches become resident.
    buffer_.reset(new char[capacity_]);
}

AdifReader::~AdifReader() = default;

AdifReader::Fill AdifReader::Refill() {
    if (failed_) return Fill::Failed;
    if (eof_) return Fill::End;
    if (start_ > 0) {
        const size_t shift = start_;
        std::memmove(buffer_.get(), buffer_.get() + shift, end_ - shift);
        end_ -= shift;
        pos_ -= shift;
        start_ = 0;
        if (keeping_ && recordStart_ != kNoRecord) recordStart_ -= shift;
    }
    if (keeping_ && recordStart_ != kNoRecord && end_ - recordStart_ >= limits_.maxRecordSize)
        return Fill::Full;
    const size_t room = std::min(limits_.chunkSize, capacity_ - end_);
    if (room == 0) return Fill::Full;
    const long n = source_.Read(buffer_.get() + end_, room);
    if (n < 0) {
        failed_ = true;
        readError_ = source_.Error();
        return Fill::Failed;
    }
    if (n == 0) {
        eof_ = true;
        return Fill::End;
    }
    end_ += static_cast<size_t>(n);
    bytesRead_ += static_cast<uint64_t>(n);
    return Fill::Got;
}

AdifReader::Tag AdifReader::ParseTag(size_t lt) const {
    const char* b = buffer_.get();
    const size_t furthest = lt + 1 + limits_.maxTagLength;
    const size_t limit = std::min(end_, furthest);
    // Running into the end of what is read only means "not yet known" while more may come.
    const TagKind cutKind =
        (limit == end_ && !eof_ && end_ < furthest) ? TagKind::Incomplete : TagKind::Stray;
    Tag tag;
    size_t i = lt + 1;
    tag.nameBegin = i;
    i = SkipName(b, i, limit);
    if (i == limit) {
        tag.kind = cutKind;
        tag.cut = eof_ && end_ < furthest;
        return tag;
    }
    if (b[i] == '<') return tag;  // a lone '<' in the text
    tag.nameLength = i - tag.nameBegin;
    if (b[i] == '>') {
        tag.kind = TagKind::Marker;
        tag.after = i + 1;
        return tag;
    }
    ++i;
    bool sound = i < limit && IsDigit(b[i]);
    size_t length = 0;
    while (i < limit && IsDigit(b[i])) {
        if (length <= limits_.maxRecordSize) length = length * 10 + static_cast<size_t>(b[i] - '0');
        ++i;
    }
    if (length > limits_.maxRecordSize) sound = false;
    if (i < limit && b[i] == ':') {
        ++i;
    } else if (i < limit && b[i] != '>') {
        sound = false;
    }
    while (i < limit && b[i] != '>' && b[i] != '<') ++i;
    if (i == limit) {
        tag.kind = cutKind;
        tag.cut = eof_ && end_ < furthest;
        return tag;
    }
    if (b[i] == '<') return tag;
    tag.kind = sound ? TagKind::Field : TagKind::Unreadable;
    tag.valueLength = length;
    tag.after = i + 1;
    return tag;
}

bool AdifReader::NameIs(const Tag& tag, std::string_view lowerName) const {
    if (tag.nameLength != lowerName.size()) return false;
    const auto* name = reinterpret_cast<const unsigned char*>(buffer_.get() + tag.nameBegin);
    for (size_t i = 0; i < lowerName.size(); ++i)
        if (kFold.lower[name[i]] != static_cast<unsigned char>(lowerName[i])) return false;
    return true;
}

int AdifReader::WantedIndex(const Tag& tag) const {
    if (linearLookup_) {
        for (size_t k = 0; k < wanted_.size(); ++k)
            if (NameIs(tag, wanted_[k])) return static_cast<int>(k);
        return -1;
    }
    if (tag.nameLength == 0) return -1;
    const auto last = static_cast<unsigned char>(buffer_[tag.nameBegin + tag.nameLength - 1]);
    for (uint8_t k : candidates_[LookupRow(tag.nameLength, last)]) {
        if (k == kNoCandidate) break;
        if (NameIs(tag, wanted_[k])) return k;
    }
    return -1;
}

// UTF-16 and binary data hold NUL bytes before any tag could close; ADIF text does not.
bool AdifReader::LookAtStart() {
    // A failed read is reported when reading goes on; what arrived before it is judged.
    while (end_ < kLookSize && !eof_ && Refill() != Fill::Failed) {
    }
    std::string_view all(buffer_.get(), end_);
    if (all.starts_with(kByteOrderMark)) {
        all.remove_prefix(kByteOrderMark.size());
        pos_ = kByteOrderMark.size();
    }
    blank_ = eof_ && all.find_first_not_of(" \t\r\n") == std::string_view::npos;
    // Judged on the same first bytes however the data arrive, whole or in pieces.
    const std::string_view head = all.substr(0, kLookSize);
    startNotAdif_ = head.find('\0') < head.find('>') || head.starts_with("\xFF\xFE") ||
                    head.starts_with("\xFE\xFF");
    const size_t text = std::min(head.find_first_not_of(" \t\r\n"), head.size());
    const std::string_view rest = head.substr(text);
    startNotAdif_ =
        startNotAdif_ || StartsWithLower(rest, "<?xml") || StartsWithLower(rest, "<adx");
    lotwTitle_ = rest.substr(0, rest.find('<')).find(kLotwTitle) != std::string_view::npos;
    return !startNotAdif_;
}

void AdifReader::NoteHeaderField(const Tag& tag) {
    sawAdif_ = true;
    if (NameIs(tag, "programid"))
        lotwProgram_ =
            tag.valueLength == 4 && Lower(std::string_view(buffer_.get() + tag.after, 4)) == "lotw";
}

bool AdifReader::NotAdif() const {
    return startNotAdif_ || (done_ && !failed_ && !sawAdif_ && !blank_);
}

bool AdifReader::ReadHeader() {
    if (headerDone_) return true;
    if (done_) return false;
    if (!SkipHeader()) done_ = true;
    return !done_;
}

bool AdifReader::SkipHeader() {
    if (!LookAtStart()) return false;
    if (pos_ == end_) return false;
    if (buffer_[pos_] == '<') {
        headerDone_ = true;
        return true;
    }
    for (;;) {
        const char* base = buffer_.get();
        const void* hit = std::memchr(base + pos_, '<', end_ - pos_);
        if (hit == nullptr) {
            pos_ = end_;
            start_ = pos_;
            if (Refill() == Fill::Got) continue;
            return false;
        }
        const size_t lt = static_cast<size_t>(static_cast<const char*>(hit) - base);
        const Tag tag = ParseTag(lt);
        switch (tag.kind) {
            case TagKind::Incomplete:
                start_ = pos_ = lt;
                if (Refill() == Fill::Failed) return false;
                break;
            case TagKind::Stray:
                pos_ = lt + 1;
                break;
            case TagKind::Marker:
                pos_ = start_ = tag.after;
                if (NameIs(tag, "eor")) sawAdif_ = true;
                if (NameIs(tag, "eoh")) {
                    sawAdif_ = headerDone_ = true;
                    return true;
                }
                break;
            case TagKind::Unreadable:
                pos_ = start_ = tag.after;
                break;
            case TagKind::Field:
                if (tag.after + tag.valueLength > end_) {
                    start_ = pos_ = lt;
                    if (Refill() != Fill::Got) return false;
                } else {
                    NoteHeaderField(tag);
                    pos_ = start_ = tag.after + tag.valueLength;
                }
                break;
        }
    }
}

void AdifReader::BeginRecord() {
    start_ = pos_;
    recordStart_ = kNoRecord;
    recordEnd_ = 0;
    sawField_ = false;
    cut_ = false;
    closed_ = false;
    keeping_ = true;
    overlongHead_.clear();
    status_ = Status::Ok;
    for (auto& slot : slots_) slot.present = false;
}

void AdifReader::KeepField(const Tag& tag) {
    const int k = WantedIndex(tag);
    if (k < 0 || slots_[static_cast<size_t>(k)].present) return;
    slots_[static_cast<size_t>(k)] = {tag.after - recordStart_, tag.valueLength, true};
}

// A record over the limit is reported with the same beginning however the bytes arrived.
void AdifReader::MarkTooLong() {
    const size_t headLength =
        std::min({kOverlongHeadSize, limits_.maxRecordSize, end_ - recordStart_});
    overlongHead_.assign(buffer_.get() + recordStart_, headLength);
    keeping_ = false;
    status_ = Status::TooLong;
    for (auto& slot : slots_) slot.present = false;
}

void AdifReader::GiveUpKeeping() {
    MarkTooLong();
    start_ = pos_;
}

bool AdifReader::OverLimit() const {
    return keeping_ && recordEnd_ - recordStart_ > limits_.maxRecordSize;
}

bool AdifReader::FinishAtEnd() {
    done_ = true;
    if (failed_ || recordStart_ == kNoRecord) return false;
    if (!sawField_ && status_ == Status::Ok) return false;  // only markers after the last record
    if (status_ == Status::Ok && cut_) status_ = Status::Truncated;
    recordEnd_ = end_;
    if (OverLimit()) MarkTooLong();
    sawAdif_ = true;  // a record, if only of markers too long to keep
    return true;
}

bool AdifReader::Next() {
    if (done_) return false;
    if (!headerDone_ && !SkipHeader()) {
        done_ = true;
        return false;
    }
    BeginRecord();
    for (;;) {
        const char* base = buffer_.get();
        const void* hit = FindTagStart(base, pos_, end_);
        if (hit == nullptr) {
            pos_ = end_;
            if (recordStart_ == kNoRecord || !keeping_) start_ = pos_;
            const Fill fill = Refill();
            if (fill == Fill::Got) continue;
            if (fill == Fill::Full) {
                GiveUpKeeping();
                continue;
            }
            return FinishAtEnd();
        }
        const size_t lt = static_cast<size_t>(static_cast<const char*>(hit) - base);
        const Tag tag = ParseTag(lt);
        if (tag.kind == TagKind::Stray) {
            if (tag.cut && recordStart_ != kNoRecord) cut_ = true;
            pos_ = lt + 1;
            continue;
        }
        if (tag.kind != TagKind::Incomplete && recordStart_ == kNoRecord)
            recordStart_ = start_ = lt;
        const bool valueComplete =
            tag.kind != TagKind::Field || tag.after + tag.valueLength <= end_;
        if (tag.kind == TagKind::Incomplete || !valueComplete) {
            pos_ = lt;
            if (recordStart_ == kNoRecord || !keeping_) start_ = lt;
            const Fill fill = Refill();
            if (fill == Fill::Got) continue;
            if (fill == Fill::Full) {
                GiveUpKeeping();
                continue;
            }
            if (fill == Fill::End && tag.kind == TagKind::Incomplete) continue;  // now plain text
            if (fill == Fill::End) sawField_ = cut_ = true;
            return FinishAtEnd();
        }
        switch (tag.kind) {
            case TagKind::Marker:
                pos_ = tag.after;
                if (NameIs(tag, "eor")) {
                    sawAdif_ = closed_ = true;
                    recordEnd_ = tag.after;
                    // A record that happened to arrive whole is held to the same limit.
                    if (OverLimit()) MarkTooLong();
                    return true;
                }
                // A header after all (written without leading text, or a second file appended).
                if (NameIs(tag, "eoh")) BeginRecord();
                break;
            case TagKind::Unreadable:
                pos_ = tag.after;
                break;
            case TagKind::Field:
                sawField_ = sawAdif_ = true;
                if (keeping_) KeepField(tag);
                pos_ = tag.after + tag.valueLength;
                break;
            default:
                break;
        }
    }
}

std::optional<std::string_view> AdifReader::Field(size_t i) const {
    if (i >= slots_.size() || !keeping_ || !slots_[i].present) return std::nullopt;
    return std::string_view(buffer_.get() + recordStart_ + slots_[i].offset, slots_[i].length);
}

std::string_view AdifReader::Raw() const {
    if (status_ == Status::TooLong) return overlongHead_;
    if (recordStart_ == kNoRecord) return {};
    return std::string_view(buffer_.get() + recordStart_, recordEnd_ - recordStart_);
}

std::string JoinLines(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (char c : raw)
        if (c != '\r' && c != '\n') out.push_back(c);
    return out;
}

std::string JoinLinesLower(std::string_view raw) {
    std::string out = JoinLines(raw);
    for (char& c : out) c = static_cast<char>(kFold.lower[static_cast<unsigned char>(c)]);
    return out;
}

}  // namespace zorva
