// Editing the text: writing and removing keys, each change confined to its
// own lines and their breaks.
#include <algorithm>
#include <utility>

#include "settings/ini_document.h"
#include "settings/ini_text.h"

namespace vx {

using ini::firstBreak;
using ini::isLineBreak;

namespace {

bool containsLineBreak(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isLineBreak);
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
    bool kept = false;
    return eraseLinesWhere(*target, [&](const Line& line) {
        if (shapeOf(line).kind != LineKind::Key) return false;
        if (kept || keyNameOf(line) != keptName) return true;
        kept = true;
        return false;
    });
}

std::size_t IniDocument::removeLinesWithoutEquals(std::string_view section,
                                                  const std::vector<std::string_view>& keys) {
    Section* target = findSection(section);
    if (target == nullptr) return 0;
    std::vector<Name> names(keys.begin(), keys.end());
    return eraseLinesWhere(*target, [&](const Line& line) {
        return shapeOf(line).kind == LineKind::Other &&
               std::any_of(names.begin(), names.end(),
                           [&](const Name& name) { return answersTo(line, name); });
    });
}

// One pass over the section, so that a save's time grows with the lines
// and not with their square: each line removed leaves the blank lines that
// followed it to the line kept before it, as eraseLine does.
template <class Doomed>
std::size_t IniDocument::eraseLinesWhere(Section& section, Doomed doomed) {
    std::vector<Line> kept;
    kept.reserve(section.lines.size());
    Line* before = &section.header;
    std::string blanks;  // for `before`, from the lines removed after it
    auto giveBlanks = [&] {
        if (blanks.empty()) return;
        before->eol = own(std::string(view(before->eol)) + blanks);
        blanks.clear();
    };
    std::size_t removed = 0;
    for (Line& line : section.lines) {
        if (!doomed(line)) {
            giveBlanks();
            kept.push_back(line);
            before = &kept.back();
            continue;
        }
        const std::string_view eol = view(line.eol);
        if (!eol.empty()) blanks += eol.substr(firstBreak(eol).size());
        ++removed;
    }
    giveBlanks();
    section.lines = std::move(kept);
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

}  // namespace vx
