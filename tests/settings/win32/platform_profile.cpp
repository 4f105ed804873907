#include "tests/settings/win32/platform_profile.h"

#include <stdexcept>

namespace vx::test {

namespace {

constexpr DWORD kReadBufferChars = 260;
constexpr DWORD kListBufferChars = 1 << 16;

std::wstring wide(std::string_view cp932) { return wideFromCp932(cp932); }

std::vector<std::string> splitAtNuls(const std::wstring& buffer, DWORD length) {
    std::vector<std::string> names;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (buffer[i] == L'\0') {
            names.push_back(cp932FromWide(std::wstring_view(buffer).substr(begin, i - begin)));
            begin = i + 1;
        }
    }
    if (begin < length) {
        names.push_back(cp932FromWide(std::wstring_view(buffer).substr(begin, length - begin)));
    }
    return names;
}

}  // namespace

std::wstring wideFromCp932(std::string_view cp932) {
    if (cp932.empty()) return {};
    int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), out.data(), n);
    return out;
}

std::string cp932FromWide(std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::string cutAtCharacterBoundary(std::string_view cp932, std::size_t limit) {
    std::size_t cut = 0;
    while (cut < cp932.size()) {
        unsigned char lead = static_cast<unsigned char>(cp932[cut]);
        bool isLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
        std::size_t length = isLead && cut + 1 < cp932.size() ? 2 : 1;
        if (cut + length > limit) break;
        cut += length;
    }
    return std::string(cp932.substr(0, cut));
}

ScratchDirectory::ScratchDirectory() {
    wchar_t temp[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    if (n == 0 || n > MAX_PATH) throw std::runtime_error("no temporary directory");
    std::wstring base(temp, n);
    for (unsigned attempt = 0;; ++attempt) {
        path_ = base + L"vx-profile-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt);
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
        if (attempt > 100) throw std::runtime_error("cannot create a scratch directory");
    }
}

ScratchDirectory::~ScratchDirectory() {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") DeleteFileW((path_ + L"\\" + name).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path_.c_str());
}

std::wstring ScratchDirectory::newFile(std::wstring_view stem) {
    return path_ + L"\\" + std::wstring(stem) + L"-" + std::to_wstring(++counter_) + L".ini";
}

ProfileFile ProfileFile::create(std::wstring path, std::string_view cp932Text) {
    std::wstring text = L"\xFEFF" + wide(cp932Text);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create the profile copy");
    DWORD written = 0;
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    BOOL ok = WriteFile(file, text.data(), size, &written, nullptr);
    CloseHandle(file);
    if (!ok || written != size) throw std::runtime_error("cannot write the profile copy");
    return ProfileFile(std::move(path));
}

ProfileFile ProfileFile::missing(std::wstring path) { return ProfileFile(std::move(path)); }

std::string ProfileFile::read(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    std::wstring buffer(kReadBufferChars, L'\0');
    DWORD n = GetPrivateProfileStringW(wide(section).c_str(), wide(key).c_str(),
                                       wide(defaultValue).c_str(), buffer.data(), kReadBufferChars,
                                       path_.c_str());
    return cp932FromWide(std::wstring_view(buffer).substr(0, n));
}

std::vector<std::string> ProfileFile::keyNames(std::string_view section) const {
    std::wstring buffer(kListBufferChars, L'\0');
    DWORD n = GetPrivateProfileStringW(wide(section).c_str(), nullptr, L"", buffer.data(),
                                       kListBufferChars, path_.c_str());
    return splitAtNuls(buffer, n);
}

std::vector<std::string> ProfileFile::sectionNames() const {
    std::wstring buffer(kListBufferChars, L'\0');
    DWORD n = GetPrivateProfileSectionNamesW(buffer.data(), kListBufferChars, path_.c_str());
    return splitAtNuls(buffer, n);
}

bool ProfileFile::write(std::string_view section, std::string_view key, std::string_view value) {
    return WritePrivateProfileStringW(wide(section).c_str(), wide(key).c_str(), wide(value).c_str(),
                                      path_.c_str()) != FALSE;
}

bool ProfileFile::remove(std::string_view section, std::string_view key) {
    return WritePrivateProfileStringW(wide(section).c_str(), wide(key).c_str(), nullptr,
                                      path_.c_str()) != FALSE;
}

ProfileFile ProfileFile::copyTo(std::wstring path) const {
    if (!CopyFileW(path_.c_str(), path.c_str(), TRUE)) {
        throw std::runtime_error("cannot copy the profile file");
    }
    return ProfileFile(std::move(path));
}

std::string ProfileFile::text() const {
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char chunk[65536];
    DWORD n = 0;
    while (ReadFile(file, chunk, sizeof chunk, &n, nullptr) && n > 0) bytes.append(chunk, n);
    CloseHandle(file);
    std::wstring text(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    if (!text.empty() && text.front() == L'\xFEFF') text.erase(0, 1);
    return cp932FromWide(text);
}

}  // namespace vx::test
