// The dialog resources against the field catalogue: the label that each
// page's template puts left of a control, and the unit right of it (or of
// its up-down control), read from the resource scripts themselves, are the
// catalogue's words for the field the control moves. Two sources written
// apart: a label changed in one of them and not in the other is caught.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "pages/barcode_page.h"
#include "pages/character_font_page.h"
#include "pages/code2d_page.h"
#include "resources/resource.h"

namespace vx {
namespace {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int right() const { return x + w; }
    int middle() const { return y + h / 2; }
};

struct Item {
    std::string keyword;
    std::string text;  // a static's or box's text
    std::string id;    // as the script names it
    Rect rect;
};

std::map<std::string, int> resourceNumbers() {
    std::ifstream in(std::string(VX_RESOURCES_DIR) + "/resource.h");
    std::map<std::string, int> numbers;
    const std::regex define(R"(^#define\s+(\w+)\s+\(?(\d+)\)?)");
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_search(line, m, define)) numbers[m[1]] = std::stoi(m[2]);
    }
    return numbers;
}

std::vector<std::string> commaSeparated(const std::string& text) {
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    for (std::string& part : parts) {
        const std::size_t first = part.find_first_not_of(" \t");
        const std::size_t last = part.find_last_not_of(" \t");
        part = first == std::string::npos ? "" : part.substr(first, last - first + 1);
    }
    return parts;
}

bool isInteger(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The controls of a page's script: one statement per control, continued on
// the lines indented below it.
std::vector<Item> scriptItems(const std::string& file) {
    std::ifstream in(std::string(VX_RESOURCES_DIR) + "/" + file);
    std::vector<std::string> statements;
    const std::regex start(R"(^\s{4}([A-Z]+)\s+(.*)$)");
    const std::regex continuation(R"(^\s{5,}(\S.*)$)");
    std::string line;
    std::smatch m;
    bool inDialog = false;
    while (std::getline(in, line)) {
        if (line.rfind("BEGIN", 0) == 0) inDialog = true;
        if (line.rfind("END", 0) == 0) inDialog = false;
        if (!inDialog || line.find("//") != std::string::npos) continue;
        if (std::regex_match(line, m, start)) {
            statements.push_back(std::string(m[1]) + " " + std::string(m[2]));
        } else if (std::regex_match(line, m, continuation) && !statements.empty()) {
            statements.back() += " " + std::string(m[1]);
        }
    }
    std::vector<Item> items;
    for (const std::string& statement : statements) {
        const std::size_t blank = statement.find(' ');
        Item item{statement.substr(0, blank), {}, {}, {}};
        std::vector<std::string> parts = commaSeparated(statement.substr(blank + 1));
        std::size_t at = 0;
        if (!parts.empty() && parts[0].size() >= 2 && parts[0].front() == '"') {
            item.text = parts[0].substr(1, parts[0].size() - 2);
            ++at;
        }
        if (at < parts.size()) item.id = parts[at++];
        for (; at + 3 < parts.size(); ++at) {
            if (isInteger(parts[at]) && isInteger(parts[at + 1]) && isInteger(parts[at + 2]) &&
                isInteger(parts[at + 3])) {
                item.rect = {std::stoi(parts[at]), std::stoi(parts[at + 1]),
                             std::stoi(parts[at + 2]), std::stoi(parts[at + 3])};
                break;
            }
        }
        items.push_back(item);
    }
    return items;
}

class PageScript {
public:
    explicit PageScript(const std::string& file) : items_(scriptItems(file)) {
        for (const auto& [name, number] : resourceNumbers()) names_[number].push_back(name);
    }

    // Pages share numbers: the control of this page's script with one of
    // the names of `id`.
    const Item* control(int id) const {
        const auto names = names_.find(id);
        if (names == names_.end()) return nullptr;
        for (const Item& item : items_) {
            for (const std::string& name : names->second) {
                if (item.id == name) return &item;
            }
        }
        return nullptr;
    }

    // The heading of a pair's part: left of it on its row, or for the
    // pair's second part left of the first, on the row above.
    const Item* headingOf(const Rect& part) const {
        if (const Item* left = labelLeftOf(part)) return left;
        const Item* nearest = nullptr;
        for (const Item& item : items_) {
            if (!isStatic(item) || item.rect.right() > part.x + 1 || item.rect.y >= part.y ||
                item.rect.y < part.y - 2 * part.h - 4) {
                continue;
            }
            if (nearest == nullptr || item.rect.y > nearest->rect.y) nearest = &item;
        }
        return nearest;
    }

    // The static text on the row of `rect` that ends nearest left of it.
    const Item* labelLeftOf(const Rect& rect) const {
        const Item* nearest = nullptr;
        for (const Item& item : items_) {
            if (!isStatic(item) || item.rect.right() > rect.x + 1 || !sameRow(item.rect, rect)) {
                continue;
            }
            if (nearest == nullptr || item.rect.right() > nearest->rect.right()) nearest = &item;
        }
        return nearest;
    }

    // The static text that begins right after `rect` on its row; nothing
    // when the next thing to the right is farther than a unit ever stands.
    const Item* unitRightOf(const Rect& rect) const {
        for (const Item& item : items_) {
            if (isStatic(item) && sameRow(item.rect, rect) && item.rect.x >= rect.right() - 1 &&
                item.rect.x <= rect.right() + 6) {
                return &item;
            }
        }
        return nullptr;
    }

private:
    static bool isStatic(const Item& item) {
        return item.keyword == "LTEXT" || item.keyword == "RTEXT" || item.keyword == "CTEXT";
    }
    static bool sameRow(const Rect& a, const Rect& b) {
        return a.middle() >= b.y - 1 && a.middle() <= b.y + b.h + 1;
    }

    std::vector<Item> items_;
    std::map<int, std::vector<std::string>> names_;
};

template <class Record>
void expectScriptSaysTheCatalogue(const std::string& file,
                                  std::span<const ControlRow<Record>> rows) {
    const PageScript script(file);
    int compared = 0;
    for (const ControlRow<Record>& row : rows) {
        if (row.spec == nullptr) continue;
        const FieldSpec& spec = *row.spec;
        const Item* control = script.control(row.id);
        ASSERT_NE(control, nullptr) << file << ": control " << row.id;
        const Item* label = script.labelLeftOf(control->rect);
        ASSERT_NE(label, nullptr) << file << ": " << spec.name;
        if (spec.part.empty()) {
            EXPECT_EQ(label->text, spec.label) << file << ": " << spec.name;
        } else {
            // A pair: its part beside the control, the pair's label before it.
            EXPECT_EQ(label->text, spec.part) << file << ": " << spec.name;
            const Item* heading = script.headingOf(label->rect);
            ASSERT_NE(heading, nullptr) << file << ": " << spec.name;
            EXPECT_EQ(heading->text, spec.label) << file << ": " << spec.name;
        }
        const Item* end = row.spin != 0 ? script.control(row.spin) : control;
        ASSERT_NE(end, nullptr) << file << ": up-down " << row.spin;
        const Item* unit = script.unitRightOf(end->rect);
        EXPECT_EQ(unit != nullptr ? unit->text : std::string(), spec.unit)
            << file << ": " << spec.name;
        ++compared;
    }
    EXPECT_GT(compared, 5) << file;
}

TEST(ResourceLabels, EveryPageTemplateSaysTheCataloguesLabelsAndUnits) {
    expectScriptSaysTheCatalogue("page_font.rc", characterFontPageRows());
    expectScriptSaysTheCatalogue("page_barcode.rc", barcodePageRows());
    expectScriptSaysTheCatalogue("page_code2d.rc", code2DPageRows());
}

// The words that the catalogue once said otherwise than the page, written
// out by hand.
TEST(ResourceLabels, TheCharacterPagesPairsUnitsAndZeroSuppression) {
    const PageScript script("page_font.rc");
    const auto rowOf = [](int id) -> const ControlRow<CharacterFontRecord>& {
        for (const auto& row : characterFontPageRows()) {
            if (row.id == id) return row;
        }
        throw std::out_of_range("no row");
    };
    EXPECT_EQ(fieldLabel(*rowOf(IDC_FONT_REVERSE_AREA_X).spec), "白抜き文字外エリア 横");
    EXPECT_EQ(fieldLabel(*rowOf(IDC_FONT_FRAME_GAP_Y).spec), "枠までの幅 縦");
    for (const int id : {IDC_FONT_H_MAG, IDC_FONT_V_MAG}) {
        EXPECT_EQ(rowOf(id).spec->unit, "倍");
        EXPECT_EQ(script.unitRightOf(script.control(id)->rect)->text, "倍");
    }
    const auto& zeroSuppress = rowOf(IDC_FONT_ZERO_SUPPRESS);
    EXPECT_EQ(zeroSuppress.spec->minimum, 0);
    EXPECT_EQ(zeroSuppress.spec->maximum, 40);
    EXPECT_EQ(zeroSuppress.spinRange(), std::make_pair(0, 40));
}

}  // namespace
}  // namespace vx
