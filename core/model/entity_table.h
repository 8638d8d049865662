#pragma once

#include <string>
#include <vector>

#include "model/entity_row.h"

namespace zorva {

// The entities of the open station, in station-file order. The rows are
// numbered 1..N as the users and messages count them; there is no placeholder
// row in memory, and "no element at all" (nothing loaded) is told apart from an
// empty loaded table by `loaded`.
class EntityTable {
  public:
    // N: the number of entities.
    int Count() const { return static_cast<int>(rows_.size()); }
    // The table's highest index as the rules test it: N, or -1 before anything was loaded.
    int HighestIndex() const { return loaded_ ? Count() : -1; }
    bool HasElements() const { return loaded_; }

    // Row i, 1-based.
    const EntityRow& Row(int i) const { return rows_.at(static_cast<size_t>(i - 1)); }
    EntityRow& Row(int i) { return rows_.at(static_cast<size_t>(i - 1)); }

    const std::vector<EntityRow>& Rows() const { return rows_; }
    std::vector<EntityRow>& Rows() { return rows_; }

    // Empties the table to its placeholder only (the table then holds an element).
    void ResetToPlaceholder() {
        rows_.clear();
        loaded_ = true;
    }
    // Forgets everything (no element at all).
    void Clear() {
        rows_.clear();
        loaded_ = false;
    }
    void Append(EntityRow row) {
        loaded_ = true;
        rows_.push_back(std::move(row));
    }
    // Inserts before row i (1-based); i = N + 1 appends.
    void Insert(int i, EntityRow row);

    // 1-based index of the first row whose adif equals the key, or 0.
    int FindAdif(const std::string& adif) const;

  private:
    std::vector<EntityRow> rows_;
    bool loaded_ = false;
};

}  // namespace zorva
