#pragma once

#include <cstdio>
#include <random>
#include <string>

namespace zorva::bench {

inline constexpr int kBenchEntityCount = 522;

inline void AppendField(std::string& out, const char* name, const std::string& value) {
    out += '<';
    out += name;
    out += ':';
    out += std::to_string(value.size());
    out += '>';
    out += value;
    out += "\r\n";
}

// A log as loggers export it: a header, then one field per line, CR LF, about a quarter of
// the QSOs confirmed by QSL or LoTW, the entity numbers spread over 1..kBenchEntityCount.
// False when the file cannot be written.
inline bool WriteRealisticLog(const std::string& path, int records, unsigned seed = 7) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    std::mt19937 engine(seed);
    const auto random = [&engine] { return static_cast<unsigned>(engine()); };
    const char* bands[] = {"160m", "80m", "40m", "30m", "20m", "17m", "15m", "12m", "10m", "6m"};
    const char* modes[] = {"CW", "SSB", "FT8", "FT4", "RTTY"};
    const char* reports[] = {"599", "59", "-10", "+03", "579"};
    std::string out =
        "ADIF export for the import "
        "benchmark\r\n<ADIF_VER:5>3.1.0\r\n<PROGRAMID:7>bench01\r\n<EOH>\r\n";
    for (int i = 0; i < records; ++i) {
        const std::string call =
            std::string(1, static_cast<char>('A' + random() % 26)) +
            static_cast<char>('A' + random() % 26) + std::to_string(random() % 10) +
            static_cast<char>('A' + random() % 26) + static_cast<char>('A' + random() % 26) +
            static_cast<char>('A' + random() % 26);
        char date[16];
        std::snprintf(date, sizeof date, "%04u%02u%02u", 1995 + random() % 30, 1 + random() % 12,
                      1 + random() % 28);
        char time[8];
        std::snprintf(time, sizeof time, "%02u%02u%02u", random() % 24, random() % 60,
                      random() % 60);
        const bool qsl = random() % 100 < 12;
        const bool lotw = random() % 100 < 17;
        AppendField(out, "CALL", call);
        AppendField(out, "QSO_DATE", date);
        AppendField(out, "TIME_ON", time);
        AppendField(out, "BAND", bands[random() % 10]);
        AppendField(out, "MODE", modes[random() % 5]);
        AppendField(out, "RST_SENT", reports[random() % 5]);
        AppendField(out, "RST_RCVD", reports[random() % 5]);
        AppendField(out, "MY_DXCC", "269");
        AppendField(out, "DXCC", std::to_string(1 + random() % kBenchEntityCount));
        AppendField(out, "QSL_SENT", "Y");
        AppendField(out, "QSL_RCVD", qsl ? "Y" : "N");
        AppendField(out, "LOTW_QSL_SENT", "Y");
        AppendField(out, "LOTW_QSL_RCVD", lotw ? "Y" : "N");
        out += "<EOR>\r\n";
        if (out.size() > (1u << 20)) {
            if (std::fwrite(out.data(), 1, out.size(), file) != out.size()) break;
            out.clear();
        }
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

// A hostile log: records confirmed by QSL, each for another entity and each just under the
// reader's 4 MB limit, most of it one NOTES value of many lines.
inline bool WriteLargeRecordsLog(const std::string& path, int records) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const size_t notesSize = (size_t{4} << 20) - 256;
    std::string notes;
    notes.reserve(notesSize);
    while (notes.size() + 64 <= notesSize) notes += std::string(62, 'x') + "\r\n";
    bool written = std::fputs("Hostile log\r\n<EOH>\r\n", file) >= 0;
    for (int i = 0; i < records && written; ++i) {
        std::string head;
        AppendField(head, "CALL", "K" + std::to_string(i) + "AA");
        AppendField(head, "QSL_RCVD", "Y");
        AppendField(head, "DXCC", std::to_string(1 + i % kBenchEntityCount));
        head += "<NOTES:" + std::to_string(notes.size()) + ">";
        written = std::fwrite(head.data(), 1, head.size(), file) == head.size() &&
                  std::fwrite(notes.data(), 1, notes.size(), file) == notes.size() &&
                  std::fputs("<EOR>\r\n", file) >= 0;
    }
    return std::fclose(file) == 0 && written;
}

}  // namespace zorva::bench
