// The platform's own profile functions over a copy of a Shift-JIS INI text,
// for comparing our document with them.
//
// How the platform is made to decode Shift-JIS: the profile functions decode
// a file without a byte order mark with the ANSI code page, which under Wine
// follows the Unix locale (1252 on our machines; a Japanese locale would
// have to be generated first, and the machine-wide code page setting is
// shared by every test in the prefix). A file that starts with the UTF-16LE
// byte order mark is decoded as UTF-16 whatever the locale, and the
// functions write it back in UTF-16 as well. So the platform's copy is the
// Shift-JIS text decoded with code page 932 and stored as UTF-16LE with a
// BOM; names and values cross the boundary as UTF-16, converted from and to
// code page 932. This is also what a system whose ANSI code page is 932
// does: it decodes the whole file first and parses the decoded text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace vx::test {

std::wstring wideFromCp932(std::string_view cp932);
std::string cp932FromWide(std::wstring_view wide);

// The first `limit` bytes of a code page 932 text, never ending inside a
// double-byte character: what a read into a buffer of limit + 1 bytes gives.
std::string cutAtCharacterBoundary(std::string_view cp932, std::size_t limit);

// A fresh directory under the temporary directory, removed with its files.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // A path in the directory that no earlier call returned. Each file gets
    // its own name so that the profile functions' cache never mistakes one
    // for another.
    std::wstring newFile(std::wstring_view stem);
    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
    unsigned counter_ = 0;
};

// One file read and written only through the profile functions. Names,
// values and results are code page 932 bytes.
class ProfileFile {
public:
    // Writes `cp932Text` decoded to UTF-16LE with a BOM to `path`.
    static ProfileFile create(std::wstring path, std::string_view cp932Text);
    // A file that is not created (reads give the default).
    static ProfileFile missing(std::wstring path);

    // GetPrivateProfileStringW into a 260-character buffer.
    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;
    // GetPrivateProfileStringW with no key name, into a buffer large enough
    // for the whole list and an empty default; the names as the buffer
    // holds them, split at the NULs.
    std::vector<std::string> keyNames(std::string_view section) const;
    // GetPrivateProfileSectionNamesW.
    std::vector<std::string> sectionNames() const;
    // WritePrivateProfileStringW with a value, and without one.
    bool write(std::string_view section, std::string_view key, std::string_view value);
    bool remove(std::string_view section, std::string_view key);

    // A copy of the file under a new name, so that the next reads parse the
    // file as written rather than the functions' cached copy.
    ProfileFile copyTo(std::wstring path) const;
    // The file's text, decoded and converted to code page 932.
    std::string text() const;

    const std::wstring& path() const { return path_; }

private:
    explicit ProfileFile(std::wstring path) : path_(std::move(path)) {}
    std::wstring path_;
};

}  // namespace vx::test
