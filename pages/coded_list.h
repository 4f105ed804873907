// A list whose entries stand for codes in the record: one row per entry with
// the codes it stores (up to three record fields, as "M" and "0"), shown for
// exactly those codes. One entry is the fallback of each direction: the
// entry shown for codes that no entry has, and the entry whose codes an
// unknown text stores (or none: the record then keeps its codes).
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/coded_entry.h"

namespace vx {

struct CodedList {
    std::span<const CodedEntry> entries;
    int shownForOther;   // entry shown for codes that no entry stores
    int storedForOther;  // entry whose codes an unknown text stores; -1: store nothing

    // The text of the entry that shows these record values (in field order).
    std::string_view textFor(std::span<const std::string_view> values) const;
    std::string_view textFor(std::string_view value) const { return textFor({&value, 1}); }
    // The entry that an entry text stores, nullptr when the text is unknown
    // and the list keeps the record's codes.
    const CodedEntry* entryFor(std::string_view text) const;
    // The code of the first field that a text stores; empty when nothing is
    // stored.
    std::string_view codeFor(std::string_view text) const;

    // Entry texts, all of them or the first `count`.
    std::vector<std::string> texts() const;
    std::vector<std::string> texts(int count) const;
    int size() const { return static_cast<int>(entries.size()); }
    std::string_view text(int position) const {
        return entries[static_cast<std::size_t>(position)].text;
    }
};

}  // namespace vx
