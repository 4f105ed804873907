// Reading the text: its lines and what each line is, the values of keys,
// and the text written back.
#include "settings/ini_document.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <utility>

#include "settings/codepage.h"
#include "settings/ini_text.h"

namespace vx {

using ini::firstBreak;
using ini::isAsciiOnly;
using ini::isLineBreak;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

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
