#pragma once

#include <algorithm>
#include <ostream>
#include <string>

#include "model/entity_table.h"
#include "print/page_document.h"
#include "print/report_heading.h"
#include "test_rows.h"
#include "text/columns.h"

namespace zorva {

// Readable failures for composed texts.
inline void PrintTo(const PlacedText& t, std::ostream* os) {
    *os << "(" << t.x << ", " << t.y << ", " << t.font.family << " " << t.font.points
        << (t.font.bold ? " bold" : "") << ") \"" << t.text << "\"";
}

}  // namespace zorva

namespace zorva::testing {

// An entity by its number, padded as the files hold it; deleted last, as lists rarely need it.
inline EntityRow Row(int adif, std::string prefix, std::string name, std::string call = "",
                     std::string qsoDate = "", std::string confirmation = "",
                     std::string verifiedDate = "", std::string deleted = "") {
    return Row(PadLeft(std::to_string(adif), 3), std::move(deleted), std::move(prefix),
               std::move(name), std::move(call), std::move(qsoDate), std::move(confirmation),
               std::move(verifiedDate));
}

// n unconfirmed entities numbered from 1.
inline EntityTable Plain(int n) {
    EntityTable table;
    table.ResetToPlaceholder();
    for (int i = 1; i <= n; ++i)
        table.Append(Row(i, "P" + std::to_string(i), "Entity " + std::to_string(i)));
    return table;
}

// n entities, every one waiting for verification, QSL or LoTW by the flag.
inline EntityTable Waiting(int n, const std::string& confirmation = "QSL") {
    EntityTable table;
    table.ResetToPlaceholder();
    for (int i = 1; i <= n; ++i)
        table.Append(Row(i % 1000, "P" + std::to_string(i), "Entity " + std::to_string(i),
                         "SP" + std::to_string(i), "2020-01-02", confirmation));
    return table;
}

inline ReportHeading Heading() {
    return {"sp9xyz", "sp1abc", "08.12.2026", "150/152", "10/11"};
}

// The texts of a page drawn at x, in the order they were placed.
inline std::vector<PlacedText> At(const Page& page, int x) {
    std::vector<PlacedText> found;
    std::copy_if(page.begin(), page.end(), std::back_inserter(found),
                 [x](const PlacedText& t) { return t.x == x; });
    return found;
}

inline const PlacedText* Find(const Page& page, const std::string& text) {
    for (const PlacedText& t : page)
        if (t.text == text) return &t;
    return nullptr;
}

inline bool Has(const Page& page, const PlacedText& text) {
    return std::find(page.begin(), page.end(), text) != page.end();
}

inline int CountStartingWith(const Page& page, const std::string& start) {
    return static_cast<int>(std::count_if(page.begin(), page.end(), [&](const PlacedText& t) {
        return t.text.rfind(start, 0) == 0;
    }));
}

}  // namespace zorva::testing
