#include "pages/coded_list.h"

#include <algorithm>

namespace vx {

std::string_view CodedList::textFor(std::span<const std::string_view> values) const {
    for (const CodedEntry& entry : entries) {
        bool same = true;
        for (std::size_t i = 0; i < entry.codes.size() && same; ++i) {
            const std::string_view value = i < values.size() ? values[i] : std::string_view();
            same = entry.codes[i] == value;
        }
        if (same) return entry.text;
    }
    return text(shownForOther);
}

const CodedEntry* CodedList::entryFor(std::string_view entryText) const {
    for (const CodedEntry& entry : entries) {
        if (entry.text == entryText) return &entry;
    }
    return storedForOther < 0 ? nullptr : &entries[static_cast<std::size_t>(storedForOther)];
}

std::string_view CodedList::codeFor(std::string_view entryText) const {
    const CodedEntry* entry = entryFor(entryText);
    return entry == nullptr ? std::string_view() : entry->codes[0];
}

std::vector<std::string> CodedList::texts() const { return texts(size()); }

std::vector<std::string> CodedList::texts(int count) const {
    std::vector<std::string> out;
    const int n = std::clamp(count, 0, size());
    for (int i = 0; i < n; ++i) out.emplace_back(text(i));
    return out;
}

}  // namespace vx
