#include "settings/ini_document.h"

#include <algorithm>
#include <utility>

#include "settings/codepage.h"

namespace vx {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// Position of the last ']' that is a character of its own (not a trail byte).
std::size_t findLastCloseBracket(std::string_view text) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i += sjisCharLength(text, i)) {
        if (text[i] == ']') found = i;
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

bool isAsciiOnly(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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

bool isIniBlank(char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A; }

std::string_view trimIniBlanks(std::string_view text) {
    // Blanks are all below 0x40, so they can never be a trail byte: trimming
    // bytes from either end is safe in Shift-JIS.
    while (!text.empty() && isIniBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isIniBlank(text.back())) text.remove_suffix(1);
    return text;
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

IniDocument::IniDocument(std::string bytes) {
    sections_.emplace_back();  // the lines before the first header
    bool newlineSeen = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && !isLineBreak(bytes[end])) ++end;
        std::size_t runEnd = end;
        while (runEnd < bytes.size() && isLineBreak(bytes[runEnd])) ++runEnd;
        std::string eol = bytes.substr(end, runEnd - end);
        if (!newlineSeen && !eol.empty()) {
            newline_ = std::string(firstBreak(eol));
            newlineSeen = true;
        }
        Line line = parseLine(bytes.substr(pos, end - pos), std::move(eol), pos == 0);
        if (line.kind == LineKind::Header) {
            Section section;
            section.hasHeader = true;
            section.header = std::move(line);
            addSection(std::move(section));
        } else {
            sections_.back().lines.push_back(std::move(line));
        }
        pos = runEnd;
    }
}

IniDocument::Line IniDocument::parseLine(std::string text, std::string eol, bool first) {
    Line line;
    std::string_view view = text;
    if (first && view.substr(0, kUtf8Bom.size()) == kUtf8Bom) view.remove_prefix(kUtf8Bom.size());
    std::string_view trimmed = trimIniBlanks(view);
    if (trimmed.empty()) {
        line.kind = LineKind::Blank;
    } else if (trimmed.front() == '[' && findLastCloseBracket(trimmed) != std::string_view::npos) {
        line.kind = LineKind::Header;
        line.name = foldedName(trimmed.substr(1, findLastCloseBracket(trimmed) - 1));
    } else if (trimmed.front() == ';') {
        line.kind = LineKind::Comment;
    } else if (std::size_t eq = view.find('='); eq != std::string_view::npos) {
        // '=' (0x3D) is never a Shift-JIS trail byte, so a plain search is safe.
        line.kind = LineKind::Key;
        line.name = foldedName(view.substr(0, eq));
        std::size_t valueBegin = eq + 1;
        while (valueBegin < view.size() && isIniBlank(view[valueBegin])) ++valueBegin;
        line.valueBegin = static_cast<std::size_t>(view.data() - text.data()) + valueBegin;
    } else {
        // Not a key, but it hides later keys of its name from reads.
        line.kind = LineKind::Other;
        line.name = foldedName(view);
    }
    line.text = std::move(text);
    line.eol = std::move(eol);
    return line;
}

void IniDocument::addSection(Section section) {
    firstSection_.try_emplace(section.header.name, sections_.size());
    sections_.push_back(std::move(section));
}

const IniDocument::Section* IniDocument::findSection(std::u16string_view name) const {
    auto it = firstSection_.find(std::u16string(name));
    return it == firstSection_.end() ? nullptr : &sections_[it->second];
}

IniDocument::Section* IniDocument::findSection(std::u16string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::ptrdiff_t IniDocument::findKey(const Section& section, std::u16string_view name) {
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        const Line& line = section.lines[i];
        if ((line.kind == LineKind::Key || line.kind == LineKind::Other) && line.name == name) {
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return -1;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const Section* found = findSection(foldedName(section));
    if (found == nullptr) return std::nullopt;
    std::ptrdiff_t index = findKey(*found, foldedName(key));
    if (index < 0) return std::nullopt;
    const Line& line = found->lines[static_cast<std::size_t>(index)];
    if (line.kind != LineKind::Key) return std::nullopt;
    std::string_view text = trimIniBlanks(std::string_view(line.text).substr(line.valueBegin));
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
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
    std::optional<std::string> found = value(section, key);
    return found ? *found : std::string(defaultValue);
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(foldedName(section)) != nullptr;
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = findSection(foldedName(section));
    if (found == nullptr) return names;
    for (const Line& line : found->lines) {
        if (line.kind == LineKind::Key) names.emplace_back(keyNameOf(line));
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
    // A name ending in a lone lead byte would swallow the "]" or change
    // which line it is; such names cannot be written and read back.
    const Line header = parseLine("[" + std::string(sectionName) + "]", "", false);
    if (header.kind != LineKind::Header || header.name != foldedName(sectionName)) return false;
    const std::string value = encodeValue(rawValue);
    std::string keyLine = std::string(keyName) + "=" + value;
    Section* target = findSection(foldedName(sectionName));
    if (target != nullptr) {
        std::ptrdiff_t index = findKey(*target, foldedName(keyName));
        if (index >= 0) {
            Line& line = target->lines[static_cast<std::size_t>(index)];
            if (line.kind != LineKind::Key) {
                // A line without "=" answers to its name as the platform's
                // reader sees it; writing the name gives it its value there.
                line = parseLine(line.text + "=" + value, std::move(line.eol), false);
                return true;
            }
            line.text = line.text.substr(0, line.valueBegin) + value;
            return true;
        }
        insertKeyLine(*target, parseLine(std::move(keyLine), "", false));
        return true;
    }
    // A new section goes at the end, after a line break if the text lacks one.
    Section& last = sections_.back();
    Line* lastLine = last.lines.empty() ? (last.hasHeader ? &last.header : nullptr)
                                        : &last.lines.back();
    if (lastLine != nullptr && lastLine->eol.empty()) lastLine->eol = newline_;
    Section added;
    added.hasHeader = true;
    added.header = header;
    added.header.eol = newline_;
    added.lines.push_back(parseLine(std::move(keyLine), newline_, false));
    addSection(std::move(added));
    return true;
}

void IniDocument::insertKeyLine(Section& section, Line line) {
    std::size_t at = section.lines.size();
    while (at > 0 && section.lines[at - 1].kind == LineKind::Blank) --at;
    Line& before = at == 0 ? section.header : section.lines[at - 1];
    // The line before keeps its own break; the new line ends with the text's
    // usual one and takes over the blank lines that followed, so that they
    // stay between the sections. At the end of a text without a final break
    // the new line has none either.
    if (before.eol.empty()) {
        before.eol = newline_;
    } else {
        const std::size_t own = firstBreak(before.eol).size();
        const std::string blanks = before.eol.substr(own);
        before.eol.resize(own);
        // A CR before blank lines that start with LF would read back as one
        // CRLF break; there the line before lends its break.
        const bool fuses = newline_ == "\r" && !blanks.empty() && blanks.front() == '\n';
        line.eol = (fuses ? before.eol : newline_) + blanks;
    }
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

bool IniDocument::remove(std::string_view section, std::string_view key) {
    Section* target = findSection(foldedName(section));
    if (target == nullptr) return true;
    std::ptrdiff_t index = findKey(*target, foldedName(key));
    if (index >= 0) eraseLine(*target, static_cast<std::size_t>(index));
    return true;
}

std::size_t IniDocument::removeKeysExcept(std::string_view section, std::string_view keptName) {
    Section* target = findSection(foldedName(section));
    if (target == nullptr) return 0;
    std::size_t removed = 0;
    bool kept = false;
    for (std::size_t i = 0; i < target->lines.size();) {
        const Line& line = target->lines[i];
        if (line.kind == LineKind::Key && !kept && keyNameOf(line) == keptName) {
            kept = true;
            ++i;
        } else if (line.kind == LineKind::Key) {
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
    Section* target = findSection(foldedName(section));
    if (target == nullptr) return 0;
    std::vector<std::u16string> names;
    for (std::string_view key : keys) names.push_back(foldedName(key));
    std::size_t removed = 0;
    for (std::size_t i = 0; i < target->lines.size();) {
        const Line& line = target->lines[i];
        if (line.kind == LineKind::Other &&
            std::find(names.begin(), names.end(), line.name) != names.end()) {
            eraseLine(*target, i);
            ++removed;
        } else {
            ++i;
        }
    }
    return removed;
}

void IniDocument::eraseLine(Section& section, std::size_t index) {
    Line& removed = section.lines[index];
    Line& before = index == 0 ? section.header : section.lines[index - 1];
    // Blank lines that followed the removed line stay in the text.
    if (!removed.eol.empty()) {
        before.eol += removed.eol.substr(firstBreak(removed.eol).size());
    }
    section.lines.erase(section.lines.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string_view IniDocument::keyNameOf(const Line& line) {
    std::string_view name = std::string_view(line.text).substr(0, line.text.find('='));
    if (name.substr(0, kUtf8Bom.size()) == kUtf8Bom) name.remove_prefix(kUtf8Bom.size());
    return trimIniBlanks(name);
}

std::string IniDocument::bytes() const {
    std::string out;
    for (const Section& section : sections_) {
        if (section.hasHeader) out += section.header.text + section.header.eol;
        for (const Line& line : section.lines) {
            out += line.text;
            out += line.eol;
        }
    }
    return out;
}

}  // namespace vx
