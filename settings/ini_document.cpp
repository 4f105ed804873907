#include "settings/ini_document.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <utility>

#include "settings/codepage.h"

namespace vx {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// Position of the last ']' that is a character of its own (not a trail byte).
std::size_t findLastCloseBracket(std::string_view text) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ']') found = i;
        // ASCII bytes are characters of their own; only the rest need the
        // code page's rule.
        i += static_cast<unsigned char>(text[i]) < 0x80 ? 1 : sjisCharLength(text, i);
    }
    return found;
}

bool containsLineBreak(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isLineBreak);
}

// The first line break of a run: CRLF, or a lone CR or LF.
std::string_view firstBreak(std::string_view run) {
    if (run.substr(0, 2) == "\r\n") return run.substr(0, 2);
    return run.substr(0, 1);
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string valueOrDefault(std::optional<std::string> found, std::string_view defaultValue) {
    return found ? std::move(*found) : std::string(defaultValue);
}

// Comparisons of ASCII names with letters folded.
bool equalFolded(std::string_view a, std::string_view b) {
    // Names are mostly written as they are asked for: bytes first.
    return a.size() == b.size() &&
           (a == b || std::equal(a.begin(), a.end(), b.begin(),
                                 [](char x, char y) { return asciiLower(x) == asciiLower(y); }));
}

// Up to eight bytes of `text` from `at` as one number, each with bit 0x20
// set: names equal folded give equal numbers (for ASCII letters the bit is
// the case; any other byte compares equal only to itself).
std::uint64_t foldedWord(std::string_view text, std::size_t at) {
    std::uint64_t word = 0;
    if (text.size() - at >= 8) {
        std::memcpy(&word, text.data() + at, 8);
    } else {
        for (std::size_t i = at; i < text.size(); ++i) {
            word = word << 8 | static_cast<unsigned char>(text[i]);
        }
    }
    return word | 0x2020202020202020ULL;
}

// A hash of the folded name from its length and its first and last eight
// bytes: equal for names that compare equal folded, and cheap, since most
// names differ there. Entries with equal hashes are compared in full.
std::uint64_t hashFolded(std::string_view name) {
    if (name.empty()) return 0;
    const std::size_t last = name.size() > 8 ? name.size() - 8 : 0;
    std::uint64_t hash = (foldedWord(name, 0) ^ name.size()) * 0x9E3779B97F4A7C15ULL;
    hash = (hash ^ (hash >> 29) ^ foldedWord(name, last)) * 0xBF58476D1CE4E5B9ULL;
    return hash ^ (hash >> 32);
}

// Without an early exit, so that the compiler can test many bytes at once.
bool isAsciiOnly(std::string_view text) {
    unsigned char all = 0;
    for (char c : text) all |= static_cast<unsigned char>(c);
    return all < 0x80;
}

std::string_view withoutBom(std::string_view text, bool first) {
    if (first && text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
    return text;
}

// Whether the first byte after the blanks is '[': only then can the line
// be a header.
bool startsWithBracket(std::string_view text, bool first) {
    text = withoutBom(text, first);
    std::size_t i = 0;
    while (i < text.size() && isIniBlank(text[i])) ++i;
    return i < text.size() && text[i] == '[';
}

// End of the line that starts at `pos`: the first CR or LF, or the end.
std::size_t lineEnd(std::string_view text, std::size_t pos) {
    const char* begin = text.data() + pos;
    const std::size_t rest = text.size() - pos;
    const void* lf = std::memchr(begin, '\n', rest);
    const std::size_t limit = lf != nullptr ? static_cast<const char*>(lf) - begin : rest;
    const void* cr = std::memchr(begin, '\r', limit);
    return pos +
           (cr != nullptr ? static_cast<std::size_t>(static_cast<const char*>(cr) - begin) : limit);
}

}  // namespace

// A value is written so that a read gives it back exactly: one that would
// lose its blanks or its outer pair of quotes is put in quotes itself.
std::string encodeValue(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    const bool blanks = !value.empty() && (isIniBlank(value.front()) || isIniBlank(value.back()));
    if (!quoted && !blanks) return std::string(value);
    // Only the outer pair is removed on reading, whatever lies inside.
    return "\"" + std::string(value) + "\"";
}

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

IniDocument::IniDocument(std::string bytes) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("INI text larger than 4 GiB");
    }
    source_ = std::make_shared<const std::string>(std::move(bytes));
    const std::string_view text = *source_;
    sections_.emplace_back();  // the lines before the first header
    // The lines of a section are gathered here and then moved into the
    // section in one allocation.
    std::vector<Line> lines;
    auto endSection = [&] {
        sections_.back().lines.assign(std::make_move_iterator(lines.begin()),
                                      std::make_move_iterator(lines.end()));
        lines.clear();
    };
    bool newlineSeen = false;
    const auto at = [](std::size_t offset) { return static_cast<std::uint32_t>(offset); };
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = lineEnd(text, pos);
        std::size_t runEnd = end;
        while (runEnd < text.size() && isLineBreak(text[runEnd])) ++runEnd;
        if (!newlineSeen && runEnd > end) {
            newline_ = std::string(firstBreak(text.substr(end, runEnd - end)));
            newlineSeen = true;
        }
        Line line{{at(pos), at(end - pos), false}, {at(end), at(runEnd - end), false}, pos == 0};
        const std::string_view lineText = text.substr(pos, end - pos);
        if (startsWithBracket(lineText, line.first) &&
            shape(lineText, line.first).kind == LineKind::Header) {
            endSection();
            Section section;
            section.hasHeader = true;
            section.header = line;
            sections_.push_back(std::move(section));
        } else {
            lines.push_back(line);
        }
        pos = runEnd;
    }
    endSection();
    indexSections();
    newlinePiece_ = own(newline_);
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

std::string_view IniDocument::view(const Piece& piece) const {
    return std::string_view(piece.written ? written_ : *source_).substr(piece.begin, piece.size);
}

IniDocument::Piece IniDocument::own(std::string_view text) {
    const Piece piece{static_cast<std::uint32_t>(written_.size()),
                      static_cast<std::uint32_t>(text.size()), true};
    written_.append(text);
    return piece;
}

IniDocument::Shape IniDocument::shape(std::string_view text, bool first) {
    Shape shape;
    const std::string_view view = withoutBom(text, first);
    const std::string_view trimmed = trimIniBlanks(view);
    if (trimmed.empty()) {
        shape.kind = LineKind::Blank;
    } else if (const std::size_t close =
                   trimmed.front() == '[' ? findLastCloseBracket(trimmed) : std::string_view::npos;
               close != std::string_view::npos) {
        shape.kind = LineKind::Header;
        shape.name = trimIniBlanks(trimmed.substr(1, close - 1));
    } else if (trimmed.front() == ';') {
        shape.kind = LineKind::Comment;
    } else if (std::size_t eq = view.find('='); eq != std::string_view::npos) {
        // '=' (0x3D) is never a Shift-JIS trail byte, so a plain search is safe.
        shape.kind = LineKind::Key;
        shape.name = trimIniBlanks(view.substr(0, eq));
        std::size_t valueBegin = eq + 1;
        while (valueBegin < view.size() && isIniBlank(view[valueBegin])) ++valueBegin;
        shape.valueBegin = static_cast<std::size_t>(view.data() - text.data()) + valueBegin;
    } else {
        // Not a key, but it hides later keys of its name from reads.
        shape.kind = LineKind::Other;
        shape.name = trimmed;
    }
    return shape;
}

IniDocument::Line IniDocument::makeLine(std::string_view text, Piece eol) {
    return Line{own(text), eol, false};
}

bool IniDocument::answersTo(const Line& line, const Name& name) const {
    if (name.ascii && !name.bytes.empty()) {
        // A name starts at the line's first byte after the blanks: most
        // lines are told apart there without working out what they are.
        std::string_view text = withoutBom(textOf(line), line.first);
        while (!text.empty() && isIniBlank(text.front())) text.remove_prefix(1);
        if (!equalFolded(text.substr(0, name.bytes.size()), name.bytes)) return false;
    }
    const Shape shape = shapeOf(line);
    if (shape.kind != LineKind::Key && shape.kind != LineKind::Other) return false;
    // ASCII decodes to ASCII only, and a byte above 0x7F never to ASCII.
    if (name.ascii) return equalFolded(shape.name, name.bytes);
    return !isAsciiOnly(shape.name) && foldedName(shape.name) == name.folded;
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

std::ptrdiff_t IniDocument::findKey(const Section& section, const Name& name) const {
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        if (answersTo(section.lines[i], name)) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const Section* found = findSection(section);
    if (found == nullptr) return std::nullopt;
    std::ptrdiff_t index = findKey(*found, Name(key));
    if (index < 0) return std::nullopt;
    const Line& line = found->lines[static_cast<std::size_t>(index)];
    return valueOf(line, shapeOf(line));
}

std::optional<std::string> IniDocument::valueOf(const Line& line, const Shape& shape) const {
    if (shape.kind != LineKind::Key) return std::nullopt;
    std::string_view text = trimIniBlanks(textOf(line).substr(shape.valueBegin));
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
    if (text.size() <= kMaxValueBytes) return std::string(text);
    // A longer value is cut at the last whole character that fits.
    std::size_t cut = 0;
    while (cut < text.size()) {
        std::size_t len = sjisCharLength(text, cut);
        if (cut + len > kMaxValueBytes) break;
        cut += len;
    }
    return std::string(text.substr(0, cut));
}

std::string IniDocument::read(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    return valueOrDefault(value(section, key), defaultValue);
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(section) != nullptr;
}

IniDocument::SectionReader IniDocument::section(std::string_view name) const {
    return SectionReader(*this, findSection(name));
}

IniDocument::SectionReader::SectionReader(const IniDocument& document, const Section* section)
    : document_(&document), section_(section) {
    if (section == nullptr) return;
    entries_.reserve(section->lines.size());
    for (std::size_t i = 0; i < section->lines.size(); ++i) {
        const Shape shape = document.shapeOf(section->lines[i]);
        if ((shape.kind == LineKind::Key || shape.kind == LineKind::Other) &&
            isAsciiOnly(shape.name)) {
            entries_.push_back({hashFolded(shape.name), shape, static_cast<std::uint32_t>(i)});
        }
    }
    // A usual section is searched in file order; a large one is sorted by
    // hash, among equal hashes still in file order, so the first still wins.
    sorted_ = entries_.size() > kUnsortedEntries;
    if (!sorted_) return;
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return a.hash != b.hash ? a.hash < b.hash : a.line < b.line;
    });
}

std::optional<std::string> IniDocument::SectionReader::value(std::string_view key) const {
    if (section_ == nullptr) return std::nullopt;
    const std::string_view bytes = trimIniBlanks(key);
    if (!isAsciiOnly(bytes)) {
        const std::ptrdiff_t index = document_->findKey(*section_, Name(bytes));
        if (index < 0) return std::nullopt;
        const Line& line = section_->lines[static_cast<std::size_t>(index)];
        return document_->valueOf(line, document_->shapeOf(line));
    }
    const std::uint64_t hash = hashFolded(bytes);
    auto it = entries_.begin();
    if (sorted_) {
        it = std::lower_bound(
            entries_.begin(), entries_.end(), hash,
            [](const Entry& entry, std::uint64_t wanted) { return entry.hash < wanted; });
    }
    for (; it != entries_.end() && (!sorted_ || it->hash == hash); ++it) {
        if (it->hash == hash && equalFolded(it->shape.name, bytes)) {
            return document_->valueOf(section_->lines[it->line], it->shape);
        }
    }
    return std::nullopt;
}

std::string IniDocument::SectionReader::read(std::string_view key,
                                             std::string_view defaultValue) const {
    return valueOrDefault(value(key), defaultValue);
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = findSection(section);
    if (found == nullptr) return names;
    for (const Line& line : found->lines) {
        if (shapeOf(line).kind == LineKind::Key) names.emplace_back(keyNameOf(line));
    }
    return names;
}

bool IniDocument::write(std::string_view section, std::string_view key, std::string_view rawValue) {
    std::string_view sectionName = trimIniBlanks(section);
    std::string_view keyName = trimIniBlanks(key);
    if (sectionName.empty() || keyName.empty() || containsLineBreak(section) ||
        containsLineBreak(key) || containsLineBreak(rawValue) ||
        keyName.find('=') != std::string_view::npos || keyName.front() == ';' ||
        keyName.front() == '[') {
        return false;
    }
    const std::string value = encodeValue(rawValue);
    std::string keyLine = std::string(keyName) + "=" + value;
    // A header of the text with these very bytes reads back as this name.
    if (auto it = firstSectionByBytes_.find(sectionName); it != firstSectionByBytes_.end()) {
        return writeInto(sections_[it->second], keyName, keyLine, value);
    }
    // A name ending in a lone lead byte would swallow the "]" or change
    // which line it is; such names cannot be written and read back.
    const std::string headerText = "[" + std::string(sectionName) + "]";
    const Shape header = shape(headerText, false);
    const std::string_view headerName = header.name;
    if (header.kind != LineKind::Header ||
        (headerName != sectionName && foldedName(headerName) != foldedName(sectionName))) {
        return false;
    }
    if (Section* target = findSection(sectionName)) {
        return writeInto(*target, keyName, keyLine, value);
    }
    // A new section goes at the end, after a line break if the text lacks one.
    Section& last = sections_.back();
    Line* lastLine =
        last.lines.empty() ? (last.hasHeader ? &last.header : nullptr) : &last.lines.back();
    if (lastLine != nullptr && lastLine->eol.size == 0) lastLine->eol = newlinePiece_;
    Section added;
    added.hasHeader = true;
    added.header = makeLine(headerText, newlinePiece_);
    added.lines.push_back(makeLine(keyLine, newlinePiece_));
    addSection(std::move(added), foldedName(sectionName));
    return true;
}

bool IniDocument::writeInto(Section& target, std::string_view keyName, std::string_view keyLine,
                            std::string_view value) {
    std::ptrdiff_t index = findKey(target, Name(keyName));
    if (index >= 0) {
        Line& line = target.lines[static_cast<std::size_t>(index)];
        const Shape shape = shapeOf(line);
        if (shape.kind != LineKind::Key) {
            // A line without "=" answers to its name as the platform's
            // reader sees it; writing the name gives it its value there.
            line = makeLine(std::string(textOf(line)) + "=" + std::string(value), line.eol);
            return true;
        }
        // The line stays what it was (a first line keeps its BOM aside).
        line.text = own(std::string(textOf(line).substr(0, shape.valueBegin)) + std::string(value));
        return true;
    }
    insertKeyLine(target, makeLine(keyLine, Piece{}));
    return true;
}

void IniDocument::insertKeyLine(Section& section, Line line) {
    std::size_t at = section.lines.size();
    while (at > 0 && shapeOf(section.lines[at - 1]).kind == LineKind::Blank) --at;
    Line& before = at == 0 ? section.header : section.lines[at - 1];
    // The line before keeps its own break; the new line ends with the text's
    // usual one and takes over the blank lines that followed, so that they
    // stay between the sections. At the end of a text without a final break
    // the new line has none either.
    const std::string beforeEol(view(before.eol));
    if (beforeEol.empty()) {
        before.eol = newlinePiece_;
    } else if (beforeEol == newline_) {
        line.eol = newlinePiece_;  // the usual case: nothing to take over
    } else {
        const std::size_t ownBreak = firstBreak(beforeEol).size();
        const std::string blanks = beforeEol.substr(ownBreak);
        before.eol = own(beforeEol.substr(0, ownBreak));
        // A CR before blank lines that start with LF would read back as one
        // CRLF break; there the line before lends its break.
        const bool fuses = newline_ == "\r" && !blanks.empty() && blanks.front() == '\n';
        line.eol = own((fuses ? beforeEol.substr(0, ownBreak) : newline_) + blanks);
    }
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

bool IniDocument::remove(std::string_view section, std::string_view key) {
    Section* target = findSection(section);
    if (target == nullptr) return true;
    std::ptrdiff_t index = findKey(*target, Name(key));
    if (index >= 0) eraseLine(*target, static_cast<std::size_t>(index));
    return true;
}

std::size_t IniDocument::removeKeysExcept(std::string_view section, std::string_view keptName) {
    Section* target = findSection(section);
    if (target == nullptr) return 0;
    std::size_t removed = 0;
    bool kept = false;
    for (std::size_t i = 0; i < target->lines.size();) {
        const Line& line = target->lines[i];
        const bool key = shapeOf(line).kind == LineKind::Key;
        if (key && !kept && keyNameOf(line) == keptName) {
            kept = true;
            ++i;
        } else if (key) {
            eraseLine(*target, i);
            ++removed;
        } else {
            ++i;
        }
    }
    return removed;
}

std::size_t IniDocument::removeLinesWithoutEquals(std::string_view section,
                                                  const std::vector<std::string_view>& keys) {
    Section* target = findSection(section);
    if (target == nullptr) return 0;
    std::vector<Name> names(keys.begin(), keys.end());
    std::size_t removed = 0;
    for (std::size_t i = 0; i < target->lines.size();) {
        const Line& line = target->lines[i];
        if (shapeOf(line).kind == LineKind::Other &&
            std::any_of(names.begin(), names.end(),
                        [&](const Name& name) { return answersTo(line, name); })) {
            eraseLine(*target, i);
            ++removed;
        } else {
            ++i;
        }
    }
    return removed;
}

void IniDocument::eraseLine(Section& section, std::size_t index) {
    const std::string_view removedEol = view(section.lines[index].eol);
    Line& before = index == 0 ? section.header : section.lines[index - 1];
    // Blank lines that followed the removed line stay in the text.
    if (!removedEol.empty()) {
        const std::string_view blanks = removedEol.substr(firstBreak(removedEol).size());
        if (!blanks.empty()) before.eol = own(std::string(view(before.eol)) + std::string(blanks));
    }
    section.lines.erase(section.lines.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string_view IniDocument::keyNameOf(const Line& line) const {
    std::string_view text = textOf(line);
    std::string_view name = text.substr(0, text.find('='));
    if (name.substr(0, kUtf8Bom.size()) == kUtf8Bom) name.remove_prefix(kUtf8Bom.size());
    return trimIniBlanks(name);
}

std::string IniDocument::bytes() const {
    std::size_t size = 0;
    auto measure = [&](const Line& line) { size += line.text.size + line.eol.size; };
    for (const Section& section : sections_) {
        if (section.hasHeader) measure(section.header);
        for (const Line& line : section.lines) measure(line);
    }
    std::string out;
    out.reserve(size);
    auto append = [&](const Line& line) {
        out += textOf(line);
        out += view(line.eol);
    };
    for (const Section& section : sections_) {
        if (section.hasHeader) append(section.header);
        for (const Line& line : section.lines) append(line);
    }
    return out;
}

}  // namespace vx
