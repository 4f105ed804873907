// libFuzzer target (clang, -DVX_FUZZ=ON): arbitrary bytes never crash the
// document or the loader, an unchanged document gives back its bytes, and a
// save settles after one round.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/driver_font_file.h"
#include "settings/ini_document.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    vx::IniDocument doc(bytes);
    require(doc.bytes() == bytes);

    vx::SettingsStore store;
    vx::loadDriverFontFile(doc, store);
    vx::writeDriverFontSections(store, doc);
    const std::string once = doc.bytes();

    vx::IniDocument again(once);
    require(again.bytes() == once);
    vx::loadDriverFontFile(again, store);
    vx::writeDriverFontSections(store, again);
    require(again.bytes() == once);
    return 0;
}
