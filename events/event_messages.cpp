#include "events/event_messages.h"

#include <map>

#include "settings/codepage.h"

namespace vx {

namespace {

// Lines every event ends with.
#define VX_EVENT_WHO             \
    "\n"                         \
    "プリンタ： %1\n"       \
    "ファイル： %2\n"       \
    "ユーザー： %3\n"       \
    "コンピュータ： %4\n" \
    "プログラム： %5\n"
#define VX_EVENT_CHANGED                        \
    "変更したフォントの数： %6\n"    \
    "変更したフォント： %7\n"          \
    "残した以前の設定の番号： %8\n" \
    "残した以前の設定のファイル： %9"
#define VX_EVENT_WANTED                                  \
    "変更しようとしたフォントの数： %6\n" \
    "変更しようとしたフォント： %7"

const std::vector<EventMessage> kMessages = {
    {ChangeEventKind::Saved, 1000, EventLevel::Information,
     "設定ファイルを保存しました。\n" VX_EVENT_WHO VX_EVENT_CHANGED},
    {ChangeEventKind::Restored, 1001, EventLevel::Information,
     "設定ファイルを以前の設定に戻しました。\n"
     "戻した以前の設定： %10\n" VX_EVENT_WHO VX_EVENT_CHANGED},
    {ChangeEventKind::Busy, 2000, EventLevel::Warning,
     "ほかのプログラムが設定ファイルを保存しているため、保存できませんでした。\n"
     "設定ファイルは変わっていません。\n" VX_EVENT_WHO VX_EVENT_WANTED},
    {ChangeEventKind::ChangedMeanwhile, 2001, EventLevel::Warning,
     "設定ファイルは読み込んだ後に別のコンピュータまたはプログラムで変更されていたため、"
     "保存しませんでした。\n"
     "設定ファイルは変わっていません。\n" VX_EVENT_WHO VX_EVENT_WANTED},
    {ChangeEventKind::NotAccepted, 2002, EventLevel::Warning,
     "設定ファイルのバージョンが一致しない（または Shift-JIS で保存されていない）ため、"
     "保存できませんでした。\n"
     "設定ファイルは変わっていません。\n" VX_EVENT_WHO VX_EVENT_WANTED},
    {ChangeEventKind::Failed, 3000, EventLevel::Error,
     "設定ファイルを保存できませんでした。\n"
     "設定ファイルは保存する前のままです。\n" VX_EVENT_WHO VX_EVENT_WANTED},
};

#undef VX_EVENT_WHO
#undef VX_EVENT_CHANGED
#undef VX_EVENT_WANTED

void appendLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putLittleEndian(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

const std::vector<EventMessage>& eventMessages() { return kMessages; }

const EventMessage& eventMessage(ChangeEventKind kind) {
    for (const EventMessage& message : kMessages) {
        if (message.kind == kind) return message;
    }
    return kMessages.back();
}

std::string renderEventText(std::string_view text, const std::vector<std::string>& inserts) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        if (text[i] != '%' || !digit) {
            result += text[i];
            continue;
        }
        // One or two digits, as the message compiler's inserts.
        std::size_t number = static_cast<std::size_t>(text[++i] - '0');
        if (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') {
            number = number * 10 + static_cast<std::size_t>(text[++i] - '0');
        }
        if (number <= inserts.size()) result += inserts[number - 1];
    }
    return result;
}

std::string messageTableResource() {
    // Consecutive numbers share a block.
    std::map<std::uint16_t, std::string_view> byId;
    for (const EventMessage& message : kMessages) byId.emplace(message.id, message.text);
    std::vector<std::pair<std::uint16_t, std::uint16_t>> blocks;
    for (const auto& [id, text] : byId) {
        if (!blocks.empty() && blocks.back().second + 1 == id) {
            blocks.back().second = id;
        } else {
            blocks.push_back({id, id});
        }
    }
    std::string bytes;
    appendLittleEndian(bytes, static_cast<std::uint32_t>(blocks.size()), 4);
    const std::size_t blockTable = bytes.size();
    bytes.append(blocks.size() * 12, '\0');
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        putLittleEndian(bytes, blockTable + b * 12, blocks[b].first);
        putLittleEndian(bytes, blockTable + b * 12 + 4, blocks[b].second);
        putLittleEndian(bytes, blockTable + b * 12 + 8, static_cast<std::uint32_t>(bytes.size()));
        for (std::uint16_t id = blocks[b].first; id <= blocks[b].second; ++id) {
            std::u16string text;
            for (const char16_t c : utf16FromUtf8(byId.at(id))) {
                if (c == u'\n') text += u'\r';
                text += c;
            }
            text += u'\0';
            while ((4 + text.size() * 2) % 4 != 0) text += u'\0';
            appendLittleEndian(bytes, static_cast<std::uint32_t>(4 + text.size() * 2), 2);
            appendLittleEndian(bytes, 1, 2);  // the text is UTF-16
            for (const char16_t c : text) appendLittleEndian(bytes, c, 2);
        }
    }
    return bytes;
}

}  // namespace vx
