// msi_texts: puts the installer's Japanese texts into an installer database
// through the Windows Installer API, and reads them back. The database is
// built by wixl with ASCII placeholders, since wixl cannot store Japanese
// text; this program runs at packaging time (under Wine on the build
// machine).
//
//   msi_texts set PACKAGE TEXTS    the database's code page becomes 932 and
//                                  every text of TEXTS is set, read back and
//                                  compared, then committed (nothing is
//                                  written unless all of them are right)
//   msi_texts show PACKAGE TEXTS   prints the present value of every row
//                                  that TEXTS names, in TEXTS' own form
//
// TEXTS is UTF-8, one text a line: table, key column, key, column and text,
// separated by tabs; empty lines and lines starting with # are skipped. The
// table _SummaryInformation names the package's summary properties (key
// column "Property", key Title, Subject, Author, Keywords, Comments or
// Template, column "Value").
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// The installer headers need <windows.h> before them.
#include <msi.h>
#include <msiquery.h>
#include <wtypes.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/codepage.h"
#include "ui/win32/dialog.h"

namespace {

constexpr int kCodePage = 932;

struct Text {
    int line;
    std::wstring table, keyColumn, key, column, value;
};

[[noreturn]] void fail(const std::string& what, UINT error = ERROR_SUCCESS) {
    std::string message = what;
    if (error != ERROR_SUCCESS) message += " (error " + std::to_string(error) + ")";
    throw std::runtime_error(message);
}

void check(UINT result, const std::string& what) {
    if (result != ERROR_SUCCESS) fail(what, result);
}

using vx::narrow;
using vx::widen;

// Closes an installer handle when it goes out of scope.
class Handle {
public:
    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (handle_ != 0) MsiCloseHandle(handle_);
    }
    MSIHANDLE* out() { return &handle_; }
    MSIHANDLE get() const { return handle_; }

private:
    MSIHANDLE handle_ = 0;
};

std::vector<Text> readTexts(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) fail("cannot read " + narrow(path));
    std::vector<Text> texts;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, '\t');) fields.push_back(field);
        if (fields.size() != 5) fail("line " + std::to_string(number) + ": five fields expected");
        if (!vx::cp932FromUtf8(fields[4])) {
            fail("line " + std::to_string(number) + ": not representable in code page 932");
        }
        texts.push_back({number, widen(fields[0]), widen(fields[1]), widen(fields[2]),
                         widen(fields[3]), widen(fields[4])});
    }
    return texts;
}

// The summary property that a _SummaryInformation row names.
UINT summaryProperty(const Text& text) {
    const struct {
        const wchar_t* name;
        UINT id;
    } properties[] = {{L"Title", 2},    {L"Subject", 3},  {L"Author", 4},
                      {L"Keywords", 5}, {L"Comments", 6}, {L"Template", 7}};
    for (const auto& property : properties) {
        if (text.key == property.name) return property.id;
    }
    fail("line " + std::to_string(text.line) + ": unknown summary property");
}

bool isSummary(const Text& text) { return text.table == L"_SummaryInformation"; }

std::wstring recordString(MSIHANDLE record, UINT field) {
    DWORD size = 0;
    wchar_t empty[1] = {};
    MsiRecordGetStringW(record, field, empty, &size);
    std::wstring value(size + 1, L'\0');
    size += 1;
    check(MsiRecordGetStringW(record, field, value.data(), &size), "reading a record");
    value.resize(size);
    return value;
}

// The present value of a table row's column; fails when the row is missing.
std::wstring tableValue(MSIHANDLE database, const Text& text) {
    const std::wstring query = L"SELECT `" + text.column + L"` FROM `" + text.table + L"` WHERE `" +
                               text.keyColumn + L"` = ?";
    Handle view, key, row;
    check(MsiDatabaseOpenViewW(database, query.c_str(), view.out()), "query " + narrow(query));
    *key.out() = MsiCreateRecord(1);
    MsiRecordSetStringW(key.get(), 1, text.key.c_str());
    check(MsiViewExecute(view.get(), key.get()), "query " + narrow(query));
    if (MsiViewFetch(view.get(), row.out()) != ERROR_SUCCESS) {
        fail("line " + std::to_string(text.line) + ": no row " + narrow(text.key) + " in " +
             narrow(text.table));
    }
    return recordString(row.get(), 1);
}

// Summary strings are stored as bytes of the summary's code page. The ANSI
// functions pass them unchanged, where the wide ones would convert through
// the system's ANSI code page.
std::string summaryBytes(MSIHANDLE summary, const Text& text) {
    UINT type = 0;
    INT number = 0;
    FILETIME time = {};
    DWORD size = 0;
    char empty[1] = {};
    MsiSummaryInfoGetPropertyA(summary, summaryProperty(text), &type, &number, &time, empty, &size);
    std::string value(size + 1, '\0');
    size += 1;
    check(MsiSummaryInfoGetPropertyA(summary, summaryProperty(text), &type, &number, &time,
                                     value.data(), &size),
          "reading the summary");
    value.resize(size);
    return value;
}

std::wstring summaryValue(MSIHANDLE summary, const Text& text) {
    return widen(vx::utf8FromCp932(summaryBytes(summary, text)));
}

void setSummaryValue(MSIHANDLE summary, const Text& text) {
    const std::string bytes = vx::cp932(narrow(text.value));
    check(MsiSummaryInfoSetPropertyA(summary, summaryProperty(text), VT_LPSTR, 0, nullptr,
                                     bytes.c_str()),
          "line " + std::to_string(text.line));
}

void setTableValue(MSIHANDLE database, const Text& text) {
    const std::wstring query = L"UPDATE `" + text.table + L"` SET `" + text.column +
                               L"` = ? WHERE `" + text.keyColumn + L"` = ?";
    Handle view, values;
    check(MsiDatabaseOpenViewW(database, query.c_str(), view.out()), "query " + narrow(query));
    *values.out() = MsiCreateRecord(2);
    MsiRecordSetStringW(values.get(), 1, text.value.c_str());
    MsiRecordSetStringW(values.get(), 2, text.key.c_str());
    check(MsiViewExecute(view.get(), values.get()), "query " + narrow(query));
    MsiViewClose(view.get());
}

// Strings are stored in the database's code page; wixl leaves it neutral.
void forceCodePage(MSIHANDLE database) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring name = L"msi_texts_" + std::to_wstring(GetCurrentProcessId()) + L".idt";
    const std::wstring path = std::wstring(folder) + name;
    {
        std::ofstream idt(std::filesystem::path(path), std::ios::binary);
        idt << "\r\n\r\n" << kCodePage << "\t_ForceCodepage\r\n";
        if (!idt) fail("cannot write " + narrow(path));
    }
    const UINT result = MsiDatabaseImportW(database, folder, name.c_str());
    DeleteFileW(path.c_str());
    check(result, "setting code page 932");
}

int setTexts(const std::wstring& package, const std::vector<Text>& texts) {
    Handle database, summary;
    check(MsiOpenDatabaseW(package.c_str(), MSIDBOPEN_TRANSACT, database.out()),
          "opening " + narrow(package));
    forceCodePage(database.get());
    check(MsiGetSummaryInformationW(database.get(), nullptr, 20, summary.out()),
          "opening the summary");
    check(MsiSummaryInfoSetPropertyW(summary.get(), 1 /* PID_CODEPAGE */, VT_I2, kCodePage, nullptr,
                                     nullptr),
          "setting the summary's code page");
    for (const Text& text : texts) {
        if (isSummary(text)) {
            setSummaryValue(summary.get(), text);
        } else {
            setTableValue(database.get(), text);
        }
    }
    for (const Text& text : texts) {
        const std::wstring now =
            isSummary(text) ? summaryValue(summary.get(), text) : tableValue(database.get(), text);
        if (now != text.value) {
            fail("line " + std::to_string(text.line) + ": reads back as \"" + narrow(now) + "\"");
        }
    }
    check(MsiSummaryInfoPersist(summary.get()), "writing the summary");
    check(MsiDatabaseCommit(database.get()), "committing " + narrow(package));
    return 0;
}

int showTexts(const std::wstring& package, const std::vector<Text>& texts) {
    Handle database, summary;
    check(MsiOpenDatabaseW(package.c_str(), MSIDBOPEN_READONLY, database.out()),
          "opening " + narrow(package));
    check(MsiGetSummaryInformationW(database.get(), nullptr, 0, summary.out()),
          "opening the summary");
    std::string out;
    for (const Text& text : texts) {
        const std::wstring now =
            isSummary(text) ? summaryValue(summary.get(), text) : tableValue(database.get(), text);
        out += narrow(text.table + L"\t" + text.keyColumn + L"\t" + text.key + L"\t" + text.column +
                      L"\t" + now) +
               "\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    const std::wstring command = argc == 4 ? argv[1] : L"";
    if (command != L"set" && command != L"show") {
        std::fputs("usage: msi_texts set|show PACKAGE TEXTS\n", stderr);
        return 2;
    }
    try {
        const std::vector<Text> texts = readTexts(argv[3]);
        return command == L"set" ? setTexts(argv[2], texts) : showTexts(argv[2], texts);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "msi_texts: %s\n", error.what());
        return 1;
    }
}
