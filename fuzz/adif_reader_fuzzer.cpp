// ADIF bytes of any kind: the records read must not depend on how the bytes
// arrive, whether whole or in small pieces through a small buffer.
#include <cstdio>
#include <vector>

#include "adif/adif_reader.h"
#include "fuzz_support.h"

using namespace zorva;
using namespace zorva::fuzz;

namespace {

const std::vector<std::string> kFields = {"call", "qso_date", "QSL_RCVD", "lotw_qsl_rcvd", "dxcc"};

struct RecordSeen {
    AdifReader::Status status;
    bool closed;
    std::string raw;
    std::vector<std::optional<std::string>> fields;
    bool operator==(const RecordSeen&) const = default;
};

struct DataSeen {
    std::vector<RecordSeen> records;
    bool notAdif;
    bool lotwReport;
    bool operator==(const DataSeen&) const = default;
};

DataSeen ReadAll(std::string_view bytes, size_t pieceSize, AdifLimits limits) {
    MemoryByteSource source(bytes, pieceSize);
    AdifReader reader(source, kFields, limits);
    std::vector<RecordSeen> records;
    while (reader.Next()) {
        RecordSeen seen{reader.status(), reader.Closed(), std::string(reader.Raw()), {}};
        for (size_t i = 0; i < kFields.size(); ++i) {
            auto value = reader.Field(i);
            if (value) {
                const char* begin = reader.Raw().data();
                Require(reader.status() == AdifReader::Status::TooLong ||
                            (value->data() >= begin &&
                             value->data() + value->size() <= begin + reader.Raw().size()),
                        "a field value outside its record");
                seen.fields.emplace_back(std::string(*value));
            } else {
                seen.fields.emplace_back(std::nullopt);
            }
        }
        records.push_back(std::move(seen));
    }
    Require(reader.ReadError().ok(), "a memory source reported a read error");
    Require(!reader.NotAdif() || records.empty(), "records read from data that is not ADIF");
    return {std::move(records), reader.NotAdif(), reader.LotwReport()};
}

void ReportDifference(const DataSeen& wholeData, const DataSeen& piecesData) {
    const auto& whole = wholeData.records;
    const auto& pieces = piecesData.records;
    std::fprintf(stderr, "not ADIF %d / %d, LoTW report %d / %d\n", wholeData.notAdif,
                 piecesData.notAdif, wholeData.lotwReport, piecesData.lotwReport);
    std::fprintf(stderr, "records: %zu read whole, %zu read in pieces\n", whole.size(),
                 pieces.size());
    for (size_t i = 0; i < whole.size() && i < pieces.size(); ++i) {
        if (whole[i] == pieces[i]) continue;
        std::fprintf(stderr, "record %zu: status %d / %d\nwhole:  [%s]\npieces: [%s]\n", i + 1,
                     static_cast<int>(whole[i].status), static_cast<int>(pieces[i].status),
                     whole[i].raw.c_str(), pieces[i].raw.c_str());
        return;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SplitInput input = SplitAnswers(data, size);
    AdifLimits whole;
    whole.maxRecordSize = 1024;
    whole.maxTagLength = 64;
    AdifLimits small = whole;
    small.chunkSize = 1 + (input.answers & 0xFF);
    const size_t pieceSize = 1 + ((input.answers >> 8) & 0x3F);

    auto inOneGo = ReadAll(input.body, SIZE_MAX, whole);
    auto inPieces = ReadAll(input.body, pieceSize, small);
    if (inOneGo != inPieces) {
        ReportDifference(inOneGo, inPieces);
        Require(false, "records differ with the size of the pieces read");
    }
    return 0;
}
