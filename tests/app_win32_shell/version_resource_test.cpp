// The version resources of the built programs: what Explorer's file
// properties and an inventory tool read. Both carry the project version, as
// numbers and as text, and name their own file; the tool's manifest names the
// same version.
#include <windows.h>
// The version functions need <windows.h> before them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct VersionResource {
    std::wstring fixedFile, fixedProduct;  // from the numbers, "a.b.c.d"
    std::wstring fileVersion, productVersion, originalFilename, productName;
};

std::wstring dotted(DWORD high, DWORD low) {
    return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." +
           std::to_wstring(HIWORD(low)) + L"." + std::to_wstring(LOWORD(low));
}

std::wstring stringValue(const std::vector<char>& data, const wchar_t* name) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), key.c_str(), &value, &length) || length == 0) return L"?";
    return std::wstring(static_cast<const wchar_t*>(value));
}

VersionResource readVersion(const wchar_t* file) {
    VersionResource result;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
    EXPECT_NE(size, 0u) << "no version resource";
    if (size == 0) return result;
    std::vector<char> data(size);
    EXPECT_TRUE(GetFileVersionInfoW(file, 0, size, data.data()));
    void* fixedData = nullptr;
    UINT length = 0;
    if (VerQueryValueW(data.data(), L"\\", &fixedData, &length) && length != 0) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(fixedData);
        result.fixedFile = dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
        result.fixedProduct = dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
    }
    result.fileVersion = stringValue(data, L"FileVersion");
    result.productVersion = stringValue(data, L"ProductVersion");
    result.originalFilename = stringValue(data, L"OriginalFilename");
    result.productName = stringValue(data, L"ProductName");
    return result;
}

TEST(VersionResource, BothProgramsCarryTheProjectVersion) {
    const std::wstring version = VX_PROJECT_VERSION_W;
    const struct {
        const wchar_t* path;
        const wchar_t* fileName;
    } programs[] = {{L"" VX_TOOL_EXE, L"VXDrvFontTool.exe"}, {L"" VX_DVFTOOL_EXE, L"dvftool.exe"}};
    for (const auto& program : programs) {
        SCOPED_TRACE(program.fileName);
        const VersionResource resource = readVersion(program.path);
        EXPECT_EQ(resource.fixedFile, version + L".0");
        EXPECT_EQ(resource.fixedProduct, version + L".0");
        EXPECT_EQ(resource.fileVersion, version + L".0");
        EXPECT_EQ(resource.productVersion, version);
        EXPECT_EQ(resource.originalFilename, program.fileName);
        EXPECT_EQ(resource.productName, L"ZEL Vextora 内蔵フォント設定ツール");
    }
}

// The manifest the tool carries, as the loader reads it.
std::string manifestOf(const wchar_t* file) {
    HMODULE module = LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return {};
    std::string text;
    if (HRSRC found = FindResourceW(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST)) {
        const DWORD size = SizeofResource(module, found);
        if (const void* data = LockResource(LoadResource(module, found))) {
            text.assign(static_cast<const char*>(data), size);
        }
    }
    FreeLibrary(module);
    return text;
}

TEST(VersionResource, TheToolsManifestNamesTheProjectVersion) {
    const std::string manifest = manifestOf(L"" VX_TOOL_EXE);
    ASSERT_FALSE(manifest.empty()) << "no manifest resource";
    const std::string identity = R"(name="ZEL.Vextora.VXDrvFontTool" version=")";
    const std::size_t at = manifest.find(identity);
    ASSERT_NE(at, std::string::npos) << manifest;
    const std::size_t start = at + identity.size();
    EXPECT_EQ(manifest.substr(start, manifest.find('"', start) - start),
              std::string(VX_PROJECT_VERSION) + ".0");
    EXPECT_EQ(manifest.find('@'), std::string::npos) << "a placeholder was left unreplaced";
}

}  // namespace
