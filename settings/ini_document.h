// An INI text held in memory that reads like the Windows profile functions
// and rewrites only the lines it is asked to change.
//
// Section and key names are code page 932 bytes; they are compared after
// decoding, folding ASCII letters only. A line without "=" is not a key and
// is never listed, but like the platform's reader it answers to its name:
// a read of that name gives the default and a write gives it its value.
// Values are returned as the file's bytes. Every line that no write touches
// is serialized byte for byte. Texts up to 4 GiB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vx {

class IniDocument {
public:
    // Longest value a read returns: the profile functions read into a
    // 260-byte buffer that ends with a NUL.
    static constexpr std::size_t kMaxValueBytes = 259;

    // An empty text: no lines, ready to take keys.
    IniDocument() : IniDocument(std::string()) {}
    explicit IniDocument(std::string bytes);

    // The value of the first matching key in the first matching section:
    // blanks trimmed, one pair of matching quotes removed, cut to
    // kMaxValueBytes at a character boundary. nullopt when either is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;

    bool hasSection(std::string_view section) const;

    // Reads many keys of one section as value() and read() do, finding the
    // section once and each key without rescanning the section's lines.
    // Valid while the document lives and nothing is written to it.
    class SectionReader;
    SectionReader section(std::string_view name) const;

    // Names of every key of the first matching section, in file order.
    std::vector<std::string> keyNames(std::string_view section) const;

    // Replaces the value of the first matching key in place, or adds the key
    // after the last non-blank line of its section (ending with the text's
    // usual line break), or appends a new section. Refuses (returns false,
    // changes nothing) names and values that would change the text's
    // structure. A value that a read would change (outer quotes, blanks at
    // either end) is written in quotes.
    bool write(std::string_view section, std::string_view key, std::string_view value);

    // Deletes the first matching key; comments are never deleted. True also
    // when there was no such key.
    bool remove(std::string_view section, std::string_view key);

    // Deletes every key of the first matching section except the first key
    // whose name is exactly `keptName` (byte for byte, not folded); keys with
    // empty names and duplicates go too. Returns the number deleted.
    std::size_t removeKeysExcept(std::string_view section, std::string_view keptName);

    // Deletes every line of the first matching section that has no "=" and
    // answers to one of `keys`; keys and comments stay. Returns the number
    // deleted.
    std::size_t removeLinesWithoutEquals(std::string_view section,
                                         const std::vector<std::string_view>& keys);

    // The whole text; identical to the parsed bytes while nothing was written.
    std::string bytes() const;

    // Line break used for new lines: the one the text already uses, CRLF
    // when it has none.
    const std::string& newline() const { return newline_; }

private:
    enum class LineKind : std::uint8_t { Blank, Comment, Key, Other, Header };

    // Some of the text: of the parsed bytes, or of the texts that writes
    // made (written_). Lines refer to them instead of holding copies, so
    // that parsing and writing allocate per section, not per line.
    struct Piece {
        std::uint32_t begin = 0;
        std::uint32_t size = 0;
        bool written = false;
    };

    // Parsing only splits the lines and finds the headers; what a line is
    // (Shape) is worked out when a lookup passes it, so that the sections
    // that nobody asks for cost no more than their line breaks.
    struct Line {
        Piece text;          // without the line break
        Piece eol;           // the run of CR and LF that ended the line
        bool first = false;  // the text's first line, which may start with a BOM
    };

    struct Shape {
        LineKind kind = LineKind::Other;
        std::string_view name;       // a key's or section's name, trimmed
        std::size_t valueBegin = 0;  // where a key's value text starts
    };

    struct Section {
        bool hasHeader = false;
        Line header;
        std::vector<Line> lines;
    };

    // A name asked for, ready to be compared with many lines.
    struct Name {
        explicit Name(std::string_view cp932Name);
        std::string_view bytes;  // trimmed
        bool ascii;
        std::u16string folded;  // only when not ascii
    };

    std::string_view view(const Piece& piece) const;
    // Keeps a text that a write made (never a view of written_ itself).
    Piece own(std::string_view text);
    std::string_view textOf(const Line& line) const { return view(line.text); }
    Shape shapeOf(const Line& line) const { return shape(textOf(line), line.first); }
    bool answersTo(const Line& line, const Name& name) const;
    // The kind, name and value of a line's text.
    static Shape shape(std::string_view text, bool first);
    Line makeLine(std::string_view text, Piece eol);
    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    std::ptrdiff_t findKey(const Section& section, const Name& name) const;
    // What a read of the key on this line gives: nullopt for a line without
    // "=". `shape` is the line's own, worked out by the caller.
    std::optional<std::string> valueOf(const Line& line, const Shape& shape) const;
    std::string_view keyNameOf(const Line& line) const;
    void eraseLine(Section& section, std::size_t index);
    // Removes the lines for which `doomed` answers true, in one pass.
    template <class Doomed>
    std::size_t eraseLinesWhere(Section& section, Doomed doomed);
    void addSection(Section section, std::u16string folded);
    void indexSections();
    void insertKeyLine(Section& section, Line line);
    // Writes the key into a section found by its name.
    bool writeInto(Section& target, std::string_view keyName, std::string_view keyLine,
                   std::string_view value);

    std::shared_ptr<const std::string> source_;  // the parsed bytes, shared by copies
    std::string written_;
    Piece newlinePiece_;             // newline_ in written_
    std::vector<Section> sections_;  // sections_[0] holds the lines before any header
    // The first section of each folded name, and the same by the header's
    // own bytes, so that a lookup by the bytes a file uses decodes nothing.
    struct BytesHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view bytes) const {
            return std::hash<std::string_view>()(bytes);
        }
    };
    std::unordered_map<std::u16string, std::size_t> firstSection_;
    std::unordered_map<std::string, std::size_t, BytesHash, std::equal_to<>> firstSectionByBytes_;
    std::string newline_ = "\r\n";
};

class IniDocument::SectionReader {
public:
    std::optional<std::string> value(std::string_view key) const;
    std::string read(std::string_view key, std::string_view defaultValue) const;

private:
    friend class IniDocument;
    // The lines with ASCII names and a hash of each name folded, in file
    // order, or sorted by hash in a section of more than kUnsortedEntries;
    // lines with other names are rare and found by a scan.
    struct Entry {
        std::uint64_t hash;
        Shape shape;
        std::uint32_t line;
    };
    static constexpr std::size_t kUnsortedEntries = 32;
    SectionReader(const IniDocument& document, const Section* section);

    const IniDocument* document_;
    const Section* section_;  // nullptr when the text has no such section
    std::vector<Entry> entries_;
    bool sorted_ = false;
};

// The name as the profile functions compare it: blanks trimmed, decoded
// from code page 932, ASCII letters folded to lower case.
std::u16string foldedName(std::string_view cp932Name);

// The text written for a value, so that a read gives the value back.
std::string encodeValue(std::string_view value);

// Blanks in the profile functions' sense: 0x09-0x0D, 0x20 and 0x1A.
inline bool isIniBlank(char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A; }

// Blanks are all below 0x40, so they can never be a trail byte: trimming
// bytes from either end is safe in Shift-JIS.
inline std::string_view trimIniBlanks(std::string_view text) {
    while (!text.empty() && isIniBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isIniBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace vx
