// dvftool's assignments, checked against the field catalogue (declared in
// settings/font_fields.h).
#include <algorithm>
#include <array>
#include <charconv>
#include <set>

#include "settings/character_types.h"
#include "settings/codepage.h"
#include "settings/driver_font_keys.h"
#include "settings/field_codes.h"
#include "settings/field_values.h"
#include "settings/font_fields.h"
#include "settings/font_places.h"
#include "settings/leading_integer.h"

namespace vx {

namespace {

std::optional<int> parseInteger(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// The assignments of one font, checked against the catalogue and made in a
// copy of the store.
class FontAssignment {
public:
    FontAssignment(SettingsStore& store, FontPlace place, std::string fontUtf8,
                   std::vector<std::string>& refusals, UnusedFields unused)
        : store_(store),
          place_(place),
          font_(std::move(fontUtf8)),
          before_(fieldsAt(store, place)),
          refusals_(refusals),
          unused_(unused) {}

    void run(const std::vector<const FieldAssignment*>& assignments) {
        std::vector<Pending> pending;
        for (const FieldAssignment* assignment : assignments) {
            std::optional<std::string> value = cp932FromUtf8(assignment->value);
            const std::string* present = findValue(before_, assignment->field);
            if (!value) {
                refuse(*assignment, "Shift-JIS で書けない文字があります");
            } else if (present == nullptr) {
                refuse(*assignment, "この項目はありません");
            } else if (*present != *value || isTypeField(assignment->field)) {
                // The type's index and name are checked together even when
                // one of them is the file's: given both, they must agree.
                pending.push_back({assignment, std::move(*value)});
            }
        }
        for (const Pending& change : pending) changed_.insert(change.assignment->field);
        assignType(pending);
        const int typeIndex = typeIndexAt(store_, place_);
        for (const Pending& change : pending) {
            if (!isTypeField(change.assignment->field)) assignField(change, typeIndex);
        }
        for (const Pending& change : pending) {
            if (!passedOver_.contains(change.assignment)) checkTogether(change, typeIndex);
        }
        if (place_.kind != FontKind::Character) return;
        for (const Pending& change : pending) {
            if (!passedOver_.contains(change.assignment) && !refused_.contains(change.assignment)) {
                checkWritten(*change.assignment, typeIndex);
            }
        }
    }

private:
    struct Pending {
        const FieldAssignment* assignment;
        std::string value;  // code page 932
    };

    bool isTypeField(std::string_view name) const {
        return name == kTypeIndexField || (place_.kind != FontKind::Code2D && name == "typeName");
    }

    void refuse(const FieldAssignment& assignment, std::string_view accepted) {
        refused_.insert(&assignment);
        refuseField(assignment.field, assignment.value, accepted);
    }
    void refuseField(std::string_view field, std::string_view valueUtf8,
                     std::string_view accepted) {
        refusals_.push_back(font_ + " " + std::string(field) + "=" + std::string(valueUtf8) + ": " +
                            std::string(accepted));
    }

    // The type's index and name name the same type: either sets both, and
    // both together must agree.
    void assignType(const std::vector<Pending>& pending) {
        std::optional<int> chosen;
        for (const Pending& change : pending) {
            const std::string& name = change.assignment->field;
            if (!isTypeField(name)) continue;
            const int count = typeCountOf(place_.kind);
            std::optional<int> index;
            if (name == kTypeIndexField) {
                index = parseInteger(change.value);
                if (index && (*index < 0 || *index >= count)) index.reset();
                if (!index) {
                    refuse(*change.assignment, "0〜" + std::to_string(count - 1) + " (種別の番号)");
                }
            } else {
                for (int i = 0; i < count && !index; ++i) {
                    if (typeNameOf(place_.kind, i) == change.value) index = i;
                }
                if (!index) refuse(*change.assignment, "種別の名前ではありません");
            }
            if (!index) continue;
            if (chosen && *chosen != *index) {
                refuse(*change.assignment, "typeIndex と typeName が別の種別を指しています");
                continue;
            }
            chosen = index;
        }
        if (!chosen) return;
        typeIndexAt(store_, place_) = *chosen;
        if (std::string* name = slotOf(store_, place_, "typeName")) {
            *name = typeNameOf(place_.kind, *chosen);
        }
    }

    std::string typeUtf8(int typeIndex) const {
        return utf8FromCp932(typeNameOf(place_.kind, typeIndex));
    }

    void assignField(const Pending& change, int typeIndex) {
        const FieldAssignment& assignment = *change.assignment;
        const FieldName name = splitName(place_.kind, assignment.field);
        const FieldSpec* spec = findFieldSpec(place_.kind, name.field, typeIndex);
        if (spec == nullptr) return refuse(assignment, "この項目はありません");
        if (spec->form == FieldForm::Working) {
            return refuse(assignment, "画面の作業用の値で、ファイルには書かれません");
        }
        if (spec->form == FieldForm::Fixed) return refuse(assignment, "変えられません");
        const bool ownRecord = !name.record || typeIndexOf(*name.record) == typeIndex;
        if (!ownRecord || !spec->types.contains(typeIndex)) {
            if (unused_ == UnusedFields::PassOver) {
                passedOver_.insert(&assignment);
                return;
            }
            return refuse(assignment, typeUtf8(typeIndex) + " では使いません");
        }
        if (hasControlCharacter(change.value)) return refuse(assignment, "制御文字は使えません");
        std::string* slot = slotOf(store_, place_, assignment.field);
        if (spec->form == FieldForm::Composite) {
            *slot = change.value;  // checked with the decoration, below
            return;
        }
        const std::optional<std::string> stored = storedValue(*spec, change.value);
        if (!stored) return refuse(assignment, acceptedValues(*spec));
        *slot = *stored;
    }

    // Values that only make sense together: the fields of one list, the
    // decoration and its parameters, zero suppression and its digits.
    void checkTogether(const Pending& change, int typeIndex) {
        const FieldName name = splitName(place_.kind, change.assignment->field);
        const FieldSpec* spec = findFieldSpec(place_.kind, name.field, typeIndex);
        if (spec == nullptr || !spec->types.contains(typeIndex)) return;
        if (spec->kind == FontKind::Character) checkCharacterPairs(*spec);
        const std::vector<const FieldSpec*> members = listFields(*spec, typeIndex);
        if (members.empty() || !checkedLists_.insert(spec->entries.data()).second) return;
        std::array<std::string_view, 3> values{};
        std::vector<std::string> held;
        held.reserve(members.size());
        for (const FieldSpec* member : members) {
            held.push_back(*slotOf(store_, place_, nameWithRecord(name, member->name)));
        }
        for (std::size_t i = 0; i < held.size(); ++i) values[i] = held[i];
        const bool offered =
            std::any_of(spec->entries.begin(), spec->entries.end(), [&](const CodedEntry& entry) {
                for (std::size_t i = 0; i < held.size(); ++i) {
                    if (entry.codes[i] != values[i]) return false;
                }
                return true;
            });
        if (offered) return;
        std::string together;
        for (const CodedEntry& entry : spec->entries) {
            if (!together.empty()) together += ", ";
            for (std::size_t i = 0; i < held.size(); ++i) {
                together += (i == 0 ? "" : "+") + std::string(entry.codes[i]);
            }
        }
        refuse(*change.assignment,
               "「" + std::string(spec->label) + "」の組み合わせは " + together + " のどれかです");
    }

    void checkCharacterPairs(const FieldSpec& spec) {
        CharacterFontRecord& font = store_.fonts[place_.number];
        if ((spec.name == "decoration" || spec.name == "decorationParams") &&
            checkedPairs_.insert("decoration").second) {
            if (auto stored = storedDecorationParams(font.decoration, font.decorationParams)) {
                font.decorationParams = *stored;
            } else {
                refuseField("decorationParams", utf8FromCp932(font.decorationParams),
                            acceptedDecorationParams(font.decoration));
            }
        }
        if ((spec.name == "zeroSuppress" || spec.name == "zeroSuppressDigits") &&
            checkedPairs_.insert("zeroSuppress").second) {
            // The page's one edit: 0 turns zero suppression off, another
            // number turns it on with that many digits.
            const bool noDigits = font.zeroSuppressDigits == codes::kDefault ||
                                  leadingInteger(font.zeroSuppressDigits) == 0;
            if (changed_.contains("zeroSuppressDigits") && !changed_.contains("zeroSuppress")) {
                font.zeroSuppress = noDigits ? codes::kDefault : codes::kZeroSuppress;
            }
            const bool on = font.zeroSuppress == codes::kZeroSuppress;
            if (!on && noDigits) font.zeroSuppressDigits = codes::kDefault;
            if (on == noDigits) {
                refuseField("zeroSuppressDigits", utf8FromCp932(font.zeroSuppressDigits),
                            on ? "zeroSuppress=Z には 1〜40 (桁)"
                               : "zeroSuppress=default には 0 または default");
            }
        }
    }

    // A value the file would not hold: the control it depends on leaves it
    // unused, as the page leaves its edit off, so the file would get
    // "default" for it.
    void checkWritten(const FieldAssignment& assignment, int typeIndex) {
        const CharacterFontRecord& font = store_.fonts[place_.number];
        const std::string* slot = slotOf(store_, place_, assignment.field);
        const bool outline = typeIndex >= kFirstOutlineTypeIndex;
        for (const CharacterKeyRow& row : characterKeyRows()) {
            if (row.field == nullptr || &(font.*row.field) != slot) continue;
            if (characterFieldWritten(row, font, outline)) return;
            // A dump passed whole brings such values as its file holds them.
            if (*slot == codes::kDefault || unused_ == UnusedFields::PassOver) return;
            const std::string mode = "alignmentMode=" + utf8FromCp932(font.alignmentMode);
            std::string why;
            switch (row.rule) {
                case CharacterWriteRule::UnlessSpacingAdjustDefault:
                    why = "spacingAdjust=default では使いません";
                    break;
                case CharacterWriteRule::UnlessEmphasisDefault:
                    why = "emphasis=default では使いません";
                    break;
                case CharacterWriteRule::AreaWidth:
                    why = mode + " では使いません (" + (outline ? "4" : "4 か 5") + " で使います)";
                    break;
                default:
                    why = mode + " では使いません (5 で使います)";
                    break;
            }
            return refuse(assignment, why);
        }
    }

    SettingsStore& store_;
    FontPlace place_;
    std::string font_;
    FontFields before_;
    std::vector<std::string>& refusals_;
    UnusedFields unused_;
    std::set<const FieldAssignment*> passedOver_;
    std::set<const FieldAssignment*> refused_;
    std::set<const CodedEntry*> checkedLists_;
    std::set<std::string_view> checkedPairs_;
    std::set<std::string> changed_;  // the fields assigned a new value
};

}  // namespace

std::vector<std::string> assignFontFields(SettingsStore& store,
                                          std::span<const FieldAssignment> assignments,
                                          UnusedFields unused) {
    SettingsStore changed = store;
    std::vector<std::string> refusals;
    // Each font's assignments together, fonts in the order first named.
    std::vector<std::pair<std::string, std::vector<const FieldAssignment*>>> fonts;
    for (const FieldAssignment& assignment : assignments) {
        auto font = std::find_if(fonts.begin(), fonts.end(),
                                 [&](const auto& f) { return f.first == assignment.font; });
        if (font == fonts.end()) font = fonts.insert(fonts.end(), {assignment.font, {}});
        font->second.push_back(&assignment);
    }
    for (const auto& [font, list] : fonts) {
        const std::optional<std::string> name = cp932FromUtf8(font);
        const std::optional<FontPlace> place = name ? placeOf(changed, *name) : std::nullopt;
        if (!place) {
            refusals.push_back(font + ": ドライバフォント名ではありません");
            continue;
        }
        FontAssignment(changed, *place, font, refusals, unused).run(list);
    }
    if (refusals.empty()) store = std::move(changed);
    return refusals;
}

}  // namespace vx
