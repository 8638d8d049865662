#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adif/byte_source.h"

namespace zorva {

// Bounds that keep memory flat whatever the file holds.
struct AdifLimits {
    size_t chunkSize = size_t{1} << 17;      // bytes asked of the source at a time: cache-sized
    size_t maxRecordSize = size_t{4} << 20;  // longer records are reported, not kept
    size_t maxTagLength = 4096;              // a '<' with no '>' within this is plain text
};

// Reads ADIF records one after another: <NAME:LENGTH> and <NAME:LENGTH:TYPE> fields with
// names in any letter case, each value exactly LENGTH bytes (so it may hold '<', '>' or line
// breaks). Text before the first <EOH> is the header, unless the data begins with '<'. A record
// ends at <EOR> or at the end of the data; tags without a length are markers and are passed
// over, and a tag whose length cannot be read is text between fields.
class AdifReader {
  public:
    enum class Status {
        Ok,
        Truncated,  // the data ends inside a tag or a value
        TooLong,    // longer than maxRecordSize; Raw() holds its beginning only
    };

    // fieldNames: the fields whose values the caller wants, in any letter case.
    AdifReader(ByteSource& source, std::vector<std::string> fieldNames, AdifLimits limits = {});
    ~AdifReader();
    AdifReader(const AdifReader&) = delete;
    AdifReader& operator=(const AdifReader&) = delete;

    // Moves to the next record. False at the end of the data, or when the source failed
    // (ReadError() then says why).
    bool Next();
    // Reads up to the end of the header; Next() does it itself. False when no record follows.
    bool ReadHeader();

    // The header names LoTW as its program, or the data opens with LoTW's report title.
    bool LotwReport() const { return lotwTitle_ || lotwProgram_; }
    // The data is something else: UTF-16 or binary (a byte order mark of UTF-16, or a NUL byte
    // before the first '>'), XML (ADX), or data read to its end, not blank, without a single
    // ADIF tag.
    bool NotAdif() const;

    Status status() const { return status_; }
    // The first value of the i-th wanted field in this record, or nothing when absent. Valid
    // until the next call of Next().
    std::optional<std::string_view> Field(size_t i) const;
    // The record as read, from its first tag to the end of its <EOR> tag (or of the data).
    std::string_view Raw() const;
    // This record ended with its <EOR> tag, not with the data.
    bool Closed() const { return closed_; }

    uint64_t BytesRead() const { return bytesRead_; }
    const IoStatus& ReadError() const { return readError_; }

  private:
    enum class Fill { Got, End, Failed, Full };
    enum class TagKind { Incomplete, Stray, Marker, Field, Unreadable };
    struct Tag {
        TagKind kind = TagKind::Stray;
        size_t nameBegin = 0;
        size_t nameLength = 0;
        size_t valueLength = 0;
        size_t after = 0;  // index just past '>'
        bool cut = false;  // the data ends inside it
    };
    struct Slot {
        size_t offset = 0;  // from the record's start
        size_t length = 0;
        bool present = false;
    };

    Fill Refill();
    Tag ParseTag(size_t lt) const;
    bool NameIs(const Tag& tag, std::string_view lowerName) const;
    int WantedIndex(const Tag& tag) const;
    bool SkipHeader();
    bool LookAtStart();
    void NoteHeaderField(const Tag& tag);
    void BeginRecord();
    void KeepField(const Tag& tag);
    void MarkTooLong();
    void GiveUpKeeping();
    bool OverLimit() const;
    bool FinishAtEnd();

    ByteSource& source_;
    std::vector<std::string> wanted_;  // lower case
    AdifLimits limits_;
    size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    size_t start_ = 0;  // first byte that must stay in the buffer
    size_t pos_ = 0;    // where scanning goes on
    size_t end_ = 0;    // end of the bytes read
    bool eof_ = false;
    bool failed_ = false;
    bool done_ = false;
    bool headerDone_ = false;
    uint64_t bytesRead_ = 0;
    IoStatus readError_;
    bool startNotAdif_ = false;
    bool blank_ = false;
    bool sawAdif_ = false;
    bool lotwTitle_ = false;
    bool lotwProgram_ = false;

    static constexpr size_t kNoRecord = SIZE_MAX;
    size_t recordStart_ = kNoRecord;
    size_t recordEnd_ = 0;
    bool sawField_ = false;
    bool cut_ = false;
    bool closed_ = false;
    bool keeping_ = true;
    std::string overlongHead_;
    Status status_ = Status::Ok;
    std::vector<Slot> slots_;
    static constexpr uint8_t kNoCandidate = 0xFF;
    std::vector<std::array<uint8_t, 4>> candidates_;
    bool linearLookup_ = false;
};

// The record's text with every CR and LF removed.
std::string JoinLines(std::string_view raw);
// The same with the ASCII letters in lower case.
std::string JoinLinesLower(std::string_view raw);

}  // namespace zorva
