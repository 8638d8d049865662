// Taking the entity columns of the reference file into the station, one entity at a time.
#include <algorithm>

#include "document/station_document.h"
#include "text/cp1250.h"

namespace zorva {
namespace {

// Prefixes compare by their Windows-1250 character codes, as the file holds them.
std::string PrefixKey(const std::string& prefix) {
    return EncodeCp1250(prefix).value_or(prefix);
}

}  // namespace

void SortByPrefix(EntityTable& table) {
    auto& rows = table.Rows();
    std::vector<std::pair<std::string, size_t>> keys;
    keys.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keys.emplace_back(PrefixKey(rows[i].prefix), i);
    auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    if (std::is_sorted(keys.begin(), keys.end(), byKey)) return;
    std::stable_sort(keys.begin(), keys.end(), byKey);
    std::vector<EntityRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& key : keys) sorted.push_back(std::move(rows[key.second]));
    rows = std::move(sorted);
}

bool StationDocument::DiffersFromReference(int index, const EntityRow& reference) const {
    const EntityRow& row = table_.Row(index);
    return row.deleted != reference.deleted || row.prefix != reference.prefix ||
           row.name != reference.name;
}

void StationDocument::TakeFromReference(int index, const EntityRow& reference) {
    EntityRow& row = table_.Row(index);
    row.deleted = reference.deleted;
    row.name = reference.name;
    if (row.prefix != reference.prefix) {
        row.prefix = reference.prefix;
        SortByPrefix(table_);
    }
    counters_ = Counters::Of(table_);
    modified_ = true;
}

void StationDocument::AddFromReference(const EntityRow& reference) {
    const std::string key = PrefixKey(reference.prefix);
    const auto& rows = table_.Rows();
    auto greater = std::find_if(rows.begin(), rows.end(),
                                [&](const EntityRow& row) { return PrefixKey(row.prefix) > key; });
    table_.Insert(static_cast<int>(greater - rows.begin()) + 1, reference);
    modified_ = true;
}

void StationDocument::ApplyEntityChange(const EntityRow& entity, bool isNew) {
    if (isNew) {
        AddFromReference(entity);
    } else if (const int index = table_.FindAdif(entity.adif)) {
        TakeFromReference(index, entity);
    }
    counters_ = Counters::Of(table_);
    modified_ = true;
}

}  // namespace zorva
