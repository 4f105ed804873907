// Randomized differential test: the same sequences of reads, key listings,
// writes and deletions applied to a Shift-JIS text through our IniDocument
// and to a copy of it through the platform's profile functions (Wine's
// GetPrivateProfileStringW / WritePrivateProfileStringW here), comparing
// every read, every listing and, at the end, the parsed content of both.
//
// The platform's copy is stored as UTF-16LE (see platform_profile.h for
// why). The platform rewrites the whole file on every write, so the final
// comparison is of what both parse, not of bytes. Names are never case
// variants of each other beyond ASCII letters (the platform folds ASCII
// letters only).
//
// Our document writes a value that a read would change (outer quotes,
// blanks at either end) in quotes, so that it reads back as written; the
// platform writes every value as given. So the platform is given the text
// that our document puts in the file (encodeValue), both files hold the
// same value text, and every write is read back at once from both: each
// must give the value as written.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "settings/codepage.h"
#include "settings/ini_document.h"
#include "tests/settings/win32/platform_profile.h"
#include "tests/settings/win32/profile_comparison.h"

namespace vx::test {
namespace {

// A small generator with the same sequence on every platform and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    bool percent(unsigned p) { return below(100) < p; }
    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[below(items.size())];
    }

private:
    std::uint64_t state_;
};

std::vector<std::string> cp932All(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* text : utf8) out.push_back(cp932(text));
    return out;
}

// Names whose bytes probe the decoding: "ソ", "表" and "能" end in 0x5C, "ー"
// and "ゼ" in 0x5B '[', "ゾ" in 0x5D ']'; "ア" (83 41) and "ヂ" (83 61), "コ"
// (83 52) and "ビ" (83 72), "海" (8A 43) and "劃" (8A 63) differ only in the
// letter case of their trail byte.
const std::vector<std::string>& sectionPool() {
    static const std::vector<std::string> pool =
        cp932All({"DVF", "ZEL文字フォント01", "ZEL文字フォント30", "ZELバーコード03",
                  "ZEL2次元コード05", "ZELバーコード20", "ZELバービード20", "Section", "mixed Case",
                  "表示", "ソフト", "ｶﾀｶﾅ", "ア", "ヂ", "ゾーン", "a b"});
    return pool;
}

const std::vector<std::string>& addedSectionPool() {
    static const std::vector<std::string> pool = cp932All({"Added", "追加セクション", "ゼロ"});
    return pool;
}

const std::vector<std::string>& keyPool() {
    static const std::vector<std::string> pool =
        cp932All({"FontType", "Version", "PCpb1pb2pb3pb4", "PCpd1pd2", "XBpf1pf2", "XBph1ph2ph3ph4",
                  "Key",      "k",       "能力",           "ソ",       "ア",       "ヂ",
                  "海",       "劃",      "ゾーン",         "ゼロ",     "ｷｰ",       "x.y",
                  "a b",      "値ー"});
    return pool;
}

// Values that are written (and put in the starting file); none has a line
// break.
const std::vector<std::string>& valuePool() {
    static const std::vector<std::string> pool = cp932All({"1",
                                                           "0100",
                                                           "default",
                                                           "+",
                                                           "0000000000",
                                                           "",
                                                           "明朝 14ポイント(BOLD)",
                                                           "ｺﾞｼｯｸ(BOLD)(ｱｳﾄﾗｲﾝﾌｫﾝﾄ)",
                                                           "a=b",
                                                           "x;y",
                                                           "\"quoted\"",
                                                           "'single'",
                                                           "\"mixed'",
                                                           "\"",
                                                           "''",
                                                           "\"\"",
                                                           "表ソ能",
                                                           "[not a section]",
                                                           "ア ヂ",
                                                           "CODE39(フルアスキー)",
                                                           "＝全角＝",
                                                           "'a'b'",
                                                           "\t\"x\"y",
                                                           " 1 ",
                                                           "\tdefault",
                                                           "x\x1A",
                                                           "  ",
                                                           "'  '"});
    return pool;
}

// Values that only the starting file holds: blanks around them are trimmed
// when the text is parsed.
const std::vector<std::string>& fileValuePool() {
    static const std::vector<std::string> pool =
        cp932All({" 1 ", "\tdefault\t",
                  "\x1A"
                  "x\x1A",
                  "\v0100\f", " \"quoted\" ", "  ", "値 "});
    return pool;
}

// Lines without '=' (neither keys nor headers).
const std::vector<std::string>& otherLinePool() {
    static const std::vector<std::string> pool =
        cp932All({"just text", "[unclosed", "[ゾ", "表示のみ", "  indented words", "ソ\\"});
    return pool;
}

std::string randomCase(Rng& rng, std::string_view name) {
    std::string out(name);
    // Only whole ASCII characters: a byte after a lead byte is left alone.
    for (std::size_t i = 0; i < out.size(); i += sjisCharLength(out, i)) {
        char& c = out[i];
        if (c >= 'a' && c <= 'z' && rng.percent(40))
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z' && rng.percent(40))
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// A value of 240 to 300 bytes, so that the 259-byte cut falls before,
// inside and after a double-byte character.
std::string longValue(Rng& rng) {
    static const std::vector<std::string> pieces = cp932All({"ABC", "表示", "x", "ソフト", "0"});
    std::size_t target = 240 + rng.below(61);
    std::string value;
    while (value.size() < target) value += rng.pick(pieces);
    return value;
}

std::string blanks(Rng& rng) {
    static const std::vector<std::string> pool = {" ", "\t", "  ", " \t", "\x1A", "\v"};
    return rng.percent(25) ? rng.pick(pool) : std::string();
}

class StartingFile {
public:
    StartingFile(Rng& rng, bool otherLinesShadowKeys) : rng_(rng), shadow_(otherLinesShadowKeys) {
        style_ = rng_.below(3);
        if (rng_.percent(30)) {
            std::size_t n = 1 + rng_.below(3);
            for (std::size_t i = 0; i < n; ++i) bodyLine();
        }
        std::size_t sections = 3 + rng_.below(8);
        for (std::size_t i = 0; i < sections; ++i) {
            header();
            std::size_t lines = rng_.below(13);
            for (std::size_t j = 0; j < lines; ++j) bodyLine();
        }
        if (!text_.empty() && rng_.percent(20)) {
            while (!text_.empty() && (text_.back() == '\r' || text_.back() == '\n')) {
                text_.pop_back();
            }
        }
    }
    const std::string& text() const { return text_; }

private:
    void line(const std::string& content) {
        static const std::vector<std::string> mixed = {"\r\n",     "\n",   "\r",
                                                       "\r\n\r\n", "\n\n", "\r\r\n"};
        text_ += content;
        if (style_ == 0)
            text_ += "\r\n";
        else if (style_ == 1)
            text_ += "\n";
        else
            text_ += rng_.pick(mixed);
    }

    void header() {
        std::string name = randomCase(rng_, rng_.pick(sectionPool()));
        std::string text = blanks(rng_) + "[" + blanks(rng_) + name + blanks(rng_) + "]";
        if (rng_.percent(10)) text += " ; note";
        if (rng_.percent(3)) text += "x]";
        line(text);
    }

    void bodyLine() {
        unsigned kind = static_cast<unsigned>(rng_.below(100));
        if (kind < 60) {
            std::string value;
            if (rng_.percent(15))
                value = rng_.pick(fileValuePool());
            else if (rng_.percent(5))
                value = longValue(rng_);
            else
                value = rng_.pick(valuePool());
            line(blanks(rng_) + randomCase(rng_, rng_.pick(keyPool())) + blanks(rng_) + "=" +
                 blanks(rng_) + value);
        } else if (kind < 72) {
            if (rng_.percent(50)) {
                line(blanks(rng_) + ";" + rng_.pick(keyPool()) + "=" + rng_.pick(valuePool()));
            } else {
                line(";" + cp932("コメント ; comment"));
            }
        } else if (kind < 85) {
            line(rng_.percent(50) ? std::string() : blanks(rng_));
        } else if (shadow_ && rng_.percent(50)) {
            line(blanks(rng_) + randomCase(rng_, rng_.pick(keyPool())) + blanks(rng_));
        } else {
            line(rng_.pick(otherLinePool()));
        }
    }

    Rng& rng_;
    bool shadow_;
    std::size_t style_ = 0;
    std::string text_;
};

std::wstring asciiFolded(std::string_view cp932Name) {
    std::wstring name = wideFromCp932(cp932Name);
    for (wchar_t& c : name) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return name;
}

// How much the sequences exercised, to show that they reach keys at all.
struct Counts {
    int reads = 0, valuesFound = 0, listings = 0, keysListed = 0, writes = 0, deletions = 0;
};

// One random sequence over one starting file.
class Sequence {
public:
    Sequence(std::uint64_t seed, bool shadow, ScratchDirectory& scratch, Counts& counts)
        : counts_(counts),
          seed_(seed),
          rng_(seed),
          start_(StartingFile(rng_, shadow).text()),
          ours_(start_),
          platform_(ProfileFile::create(scratch.newFile(L"seq"), start_)),
          scratch_(scratch) {}

    // Runs `count` operations and the final comparison; false after the
    // first divergence, which is reported as a test failure.
    // Only the first failure of a run shows the texts in full.
    bool run(int count, bool detailed) {
        detailed_ = detailed;
        for (int i = 0; i < count; ++i) {
            if (std::optional<std::string> problem = step()) return fail(i, *problem);
        }
        if (std::optional<std::string> problem = finalComparison()) return fail(count, *problem);
        return true;
    }

private:
    std::string section() {
        if (rng_.percent(8)) return rng_.pick(addedSectionPool());
        if (rng_.percent(3)) return cp932("Nowhere");
        return randomCase(rng_, rng_.pick(sectionPool()));
    }

    std::string existingOrPoolKey(const std::string& sectionName) {
        std::vector<std::string> present = ours_.keyNames(sectionName);
        if (!present.empty() && rng_.percent(50)) return randomCase(rng_, rng_.pick(present));
        return randomCase(rng_, rng_.pick(keyPool()));
    }

    std::string value() {
        if (rng_.percent(6)) return longValue(rng_);
        return rng_.pick(valuePool());
    }

    std::optional<std::string> step() {
        unsigned kind = static_cast<unsigned>(rng_.below(100));
        std::string s = section();
        if (kind < 50) {
            std::string k = existingOrPoolKey(s);
            if (rng_.percent(10)) k = " " + k + "\t";
            log("read [" + show(s) + "] " + show(k));
            ++counts_.reads;
            if (ours_.value(s, k)) ++counts_.valuesFound;
            return compareRead(ours_, platform_, s, k);
        }
        if (kind < 70) {
            log("list [" + show(s) + "]");
            ++counts_.listings;
            counts_.keysListed += static_cast<int>(ours_.keyNames(s).size());
            return compareKeyNames(ours_, platform_, s);
        }
        if (kind < 90) {
            std::string k = randomCase(rng_, rng_.pick(keyPool()));
            std::string v = value();
            log("write [" + show(s) + "] " + show(k) + " = " + show(v));
            ++counts_.writes;
            bool mine = ours_.write(s, k, v);
            bool theirs = platform_.write(s, k, encodeValue(v));
            if (!mine || !theirs) {
                return "write refused: ours " + std::to_string(mine) + ", platform " +
                       std::to_string(theirs);
            }
            std::string back = ours_.read(s, k, kMissing);
            if (back != cutAtCharacterBoundary(v, IniDocument::kMaxValueBytes)) {
                return "read after write: ours " + show(back) + " for " + show(v);
            }
            return compareRead(ours_, platform_, s, k);
        }
        std::string k = existingOrPoolKey(s);
        log("delete [" + show(s) + "] " + show(k));
        ++counts_.deletions;
        ours_.remove(s, k);
        if (!platform_.remove(s, k)) return std::string("the platform refused a deletion");
        return std::nullopt;
    }

    // Both texts parsed afresh: every section and key name either may hold.
    std::optional<std::string> finalComparison() {
        log("final comparison of the parsed files");
        IniDocument reparsed(ours_.bytes());
        ProfileFile reloaded = platform_.copyTo(scratch_.newFile(L"final"));
        std::vector<std::string> sections = sectionPool();
        for (const std::string& name : addedSectionPool()) sections.push_back(name);
        std::vector<std::wstring> listed;
        for (const std::string& name : reloaded.sectionNames()) {
            listed.push_back(asciiFolded(name));
            if (!name.empty()) sections.push_back(name);
        }
        for (const std::string& s : sections) {
            bool theirs = std::find(listed.begin(), listed.end(), asciiFolded(s)) != listed.end();
            if (reparsed.hasSection(s) != theirs) {
                return "section [" + show(s) + "] exists: ours " +
                       std::to_string(reparsed.hasSection(s)) + ", platform " +
                       std::to_string(theirs);
            }
            if (auto problem = compareKeyNames(reparsed, reloaded, s)) return problem;
            std::vector<std::string> keys = reparsed.keyNames(s);
            for (const std::string& k : keyPool()) keys.push_back(k);
            for (const std::string& k : keys) {
                if (auto problem = compareRead(reparsed, reloaded, s, k)) return problem;
            }
        }
        return std::nullopt;
    }

    void log(std::string entry) {
        recent_.push_back(std::move(entry));
        if (recent_.size() > 12) recent_.pop_front();
    }

    bool fail(int operation, const std::string& problem) {
        std::string history;
        for (const std::string& entry : recent_) history += "    " + entry + "\n";
        if (!detailed_) {
            ADD_FAILURE() << "seed " << seed_ << ", operation " << operation << ": " << problem;
            return false;
        }
        ADD_FAILURE() << "seed " << seed_ << ", operation " << operation << ": " << problem
                      << "\n  last operations:\n"
                      << history << "  starting file:\n"
                      << showText(start_) << "  our text now:\n"
                      << showText(ours_.bytes()) << "  platform's text now:\n"
                      << showText(platform_.text());
        return false;
    }

    Counts& counts_;
    std::uint64_t seed_;
    Rng rng_;
    std::string start_;
    IniDocument ours_;
    ProfileFile platform_;
    ScratchDirectory& scratch_;
    std::deque<std::string> recent_;
    bool detailed_ = true;
};

constexpr int kSequences = 20;
constexpr int kOperations = 200;

void runSequences(std::uint64_t firstSeed, bool shadow) {
    ScratchDirectory scratch;
    auto started = std::chrono::steady_clock::now();
    int passed = 0;
    Counts counts;
    for (int i = 0; i < kSequences; ++i) {
        Sequence sequence(firstSeed + static_cast<std::uint64_t>(i), shadow, scratch, counts);
        if (sequence.run(kOperations, passed == i)) ++passed;
    }
    auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started);
    std::printf(
        "%d of %d sequences of %d operations agree (%.2f s): %d reads (%d found a "
        "value), %d listings (%d names), %d writes, %d deletions\n",
        passed, kSequences, kOperations, elapsed.count(), counts.reads, counts.valuesFound,
        counts.listings, counts.keysListed, counts.writes, counts.deletions);
    // Each disagreement was reported where it happened; this is the verdict.
    EXPECT_EQ(passed, kSequences);
}

TEST(ProfileDifferential, RandomSequencesAgreeWithThePlatform) { runSequences(1000, false); }

// The same with lines without '=' that carry the name of a key of their
// section. The platform treats the first line of a name as that name's
// entry: when it has no '=' the name reads as missing even if a key of
// that name follows, a deletion removes that line, and a write gives it
// the value in place.
TEST(ProfileDifferential, RandomSequencesWithLinesWithoutEqualsNamedLikeKeys) {
    runSequences(5000, true);
}

}  // namespace
}  // namespace vx::test
