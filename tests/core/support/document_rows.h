#pragma once

#include <string>
#include <utility>

#include "document/station_document.h"

namespace zorva {

// A test's own edit of a document's rows, put back whole at the end of the
// statement the way undo puts a state back: counters and modified mark stay.
class EditedRows {
  public:
    explicit EditedRows(StationDocument& doc) : doc_(doc), table_(doc.Table()) {}
    ~EditedRows() { doc_.Restore({std::move(table_), doc_.Counts(), Mark()}); }
    EditedRows(const EditedRows&) = delete;
    EditedRows& operator=(const EditedRows&) = delete;

    EntityTable* operator->() { return &table_; }
    EntityTable& operator*() { return table_; }

  private:
    std::string Mark() const { return doc_.IsModified() ? "*" : ""; }
    StationDocument& doc_;
    EntityTable table_;
};

inline EditedRows RowsOf(StationDocument& doc) {
    return EditedRows(doc);
}

inline void SetCounters(StationDocument& doc, const Counters& counters) {
    doc.Restore({doc.Table(), counters, doc.IsModified() ? "*" : ""});
}

}  // namespace zorva
