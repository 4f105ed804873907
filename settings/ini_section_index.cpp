// The index of the sections: each name folded as the profile functions
// compare it, and the first section of each name.
#include <algorithm>
#include <utility>

#include "settings/codepage.h"
#include "settings/ini_document.h"
#include "settings/ini_text.h"

namespace vx {

using ini::isAsciiOnly;

std::u16string foldedName(std::string_view cp932Name) {
    std::string_view name = trimIniBlanks(cp932Name);
    std::u16string folded;
    if (isAsciiOnly(name)) {
        folded.assign(name.begin(), name.end());
    } else {
        folded = utf16FromCp932(name);
    }
    for (char16_t& c : folded) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return folded;
}

IniDocument::Name::Name(std::string_view cp932Name)
    : bytes(trimIniBlanks(cp932Name)), ascii(isAsciiOnly(bytes)) {
    if (!ascii) folded = foldedName(bytes);
}

// Folds every header's name; the names that are not ASCII are decoded in
// one conversion, which costs far less than one per name.
void IniDocument::indexSections() {
    std::vector<std::string_view> names(sections_.size());
    std::string joined;
    std::vector<std::size_t> decoded;
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        names[i] = shapeOf(sections_[i].header).name;
        if (!isAsciiOnly(names[i])) {
            joined.append(names[i]).push_back('\0');
            decoded.push_back(i);
        }
    }
    std::vector<std::u16string> folded(decoded.size());
    std::u16string all;
    if (!decoded.empty() && decodeCp932Strict(joined, all) &&
        static_cast<std::size_t>(std::count(all.begin(), all.end(), u'\0')) == decoded.size()) {
        for (char16_t& c : all) {
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        }
        std::size_t begin = 0;
        for (std::u16string& name : folded) {
            const std::size_t end = all.find(u'\0', begin);
            name.assign(all, begin, end - begin);
            begin = end + 1;
        }
    } else {
        for (std::size_t k = 0; k < decoded.size(); ++k) {
            folded[k] = foldedName(names[decoded[k]]);
        }
    }
    firstSection_.reserve(sections_.size());
    firstSectionByBytes_.reserve(sections_.size());
    std::size_t k = 0;
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        const std::string_view bytes = names[i];
        std::u16string name = isAsciiOnly(bytes) ? foldedName(bytes) : std::move(folded[k++]);
        const std::size_t first = firstSection_.try_emplace(std::move(name), i).first->second;
        firstSectionByBytes_.try_emplace(std::string(bytes), first);
    }
}

void IniDocument::addSection(Section section, std::u16string folded) {
    sections_.push_back(std::move(section));
    const std::size_t index = sections_.size() - 1;
    const std::size_t first = firstSection_.try_emplace(std::move(folded), index).first->second;
    firstSectionByBytes_.try_emplace(std::string(shapeOf(sections_.back().header).name), first);
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
    const std::string_view bytes = trimIniBlanks(name);
    if (auto it = firstSectionByBytes_.find(bytes); it != firstSectionByBytes_.end()) {
        return &sections_[it->second];
    }
    auto it = firstSection_.find(foldedName(bytes));
    return it == firstSection_.end() ? nullptr : &sections_[it->second];
}

IniDocument::Section* IniDocument::findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

IniDocument::SectionReader IniDocument::section(std::string_view name) const {
    return SectionReader(*this, findSection(name));
}

}  // namespace vx
