#include "cli/history_commands.h"

#include <nlohmann/json.hpp>

#include "cli/change_events.h"
#include "cli/driver_font_input.h"
#include "cli/dvftool_messages.h"
#include "cli/printer_files.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "settings/file_messages.h"

namespace vx {

namespace {

// "以前の設定のフォルダ X を使えません（理由）。"
std::string notUsed(const HistoryProblem& problem) {
    return "以前の設定のフォルダ " + utf8FromPath(problem.folder) + " を使えません（" +
           historyReasonJapanese(problem.error) + "）。";
}

// A file's name as the listing shows it: bytes of another encoding as
// U+FFFD, so that JSON can hold any name a folder may hold.
std::string shownName(const std::filesystem::path& file) {
    return utf8FromUtf16(utf16FromUtf8(utf8FromPath(file.filename())));
}

// Whether writing `output` replaces a file (or a link) already there.
bool replacesAFile(const std::filesystem::path& output) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(output, error);
    return (!error && std::filesystem::is_regular_file(status)) || isSymbolicLink(output);
}

}  // namespace

void warnHistoryProblem(const HistoryProblem& problem, std::ostream& err) {
    dvftool_text::tell(err, "警告",
                       "保存する前の設定ファイルを以前の設定のフォルダ " +
                           utf8FromPath(problem.folder) + " に残せませんでした（" +
                           historyReasonJapanese(problem.error) + "）。");
}

int reportReplace(const HistoryReplace& replaced, const std::string& label, const DvfToolIo& io) {
    if (replaced.refused) {
        dvftool_text::tell(io.err, label, saveRefusalText(*replaced.refused));
        return kExitSaveFailed;
    }
    if (replaced.historyProblem) warnHistoryProblem(*replaced.historyProblem, io.err);
    if (replaced.unconfirmed) {
        dvftool_text::tell(io.err, label, kNotConfirmedText);
        return kExitNotConfirmed;
    }
    return reportSave(replaced.replaced, label, io);
}

void printHistory(const FileHistory& history, const std::filesystem::path& file, bool json,
                  const DvfToolIo& io) {
    const HistoryListing listing = history.list(file);
    if (listing.problem) dvftool_text::tell(io.err, "警告", notUsed(*listing.problem));
    if (!json) {
        for (const HistoryVersion& version : listing.entries) {
            if (!version.unusable) {
                const ChangeAuthor author =
                    version.record ? version.record->author : ChangeAuthor{};
                io.out << version.number << '\t' << version.time << '\t' << version.bytes << '\t'
                       << shownOrUnknown(author.user) << '\t' << shownOrUnknown(author.computer)
                       << '\t' << shownOrUnknown(author.program) << '\n';
                continue;
            }
            io.out << "-\t" << version.time << '\t' << version.bytes
                   << "\tunusable: " << unusableReason(*version.unusable) << ": "
                   << dvftool_text::escapedControls(shownName(version.file)) << '\n';
        }
        return;
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const HistoryVersion& version : listing.entries) {
        if (!version.unusable) {
            // Null for what the version's record does not tell.
            const auto known = [](const std::string& text) {
                return text.empty() ? nlohmann::ordered_json(nullptr)
                                    : nlohmann::ordered_json(text);
            };
            const ChangeAuthor author = version.record ? version.record->author : ChangeAuthor{};
            list.push_back({{"number", version.number},
                            {"time", version.time},
                            {"bytes", version.bytes},
                            {"user", known(author.user)},
                            {"computer", known(author.computer)},
                            {"program", known(author.program)}});
            continue;
        }
        nlohmann::ordered_json time = nullptr;
        if (!version.time.empty()) time = version.time;
        list.push_back({{"number", nullptr},
                        {"time", time},
                        {"bytes", version.bytes},
                        {"file", shownName(version.file)},
                        {"unusable", unusableReason(*version.unusable)}});
    }
    io.out << list.dump(2) << '\n';
}

int restoreVersion(const FileHistory& history, const RestoreRequest& request, const DvfToolIo& io) {
    const HistoryListing listing = history.list(request.file);
    if (listing.problem) {
        dvftool_text::tell(io.err, notUsed(*listing.problem));
        return kExitUnreadable;
    }
    std::vector<const HistoryVersion*> versions;
    for (const HistoryVersion& version : listing.entries) {
        if (!version.unusable) versions.push_back(&version);
    }
    const int number = request.number;
    if (number < 1 || number > static_cast<int>(versions.size())) {
        std::string sentence = "以前の設定 " + std::to_string(request.number) +
                               " はありません（残っている以前の設定： " +
                               std::to_string(versions.size());
        if (versions.size() < listing.entries.size()) {
            sentence +=
                "、使えないもの： " + std::to_string(listing.entries.size() - versions.size());
        }
        dvftool_text::tell(io.err, request.label, sentence + "）。");
        return kExitUnreadable;
    }
    // Listed only when it was read and accepted as a driver font file; read
    // again here, it may have gone meanwhile.
    const HistoryVersion& version = *versions[number - 1];
    const std::optional<std::string> bytes = FileHistory::read(version);
    if (!bytes) {
        dvftool_text::tell(io.err, utf8FromPath(version.file),
                           "以前の設定 " + std::to_string(number) + " を読み込めません。");
        return kExitUnreadable;
    }
    // The file written is locked from its look to its replacement, as a
    // save locks it. An output that is the file itself is the file: its
    // present settings are kept as a version first. So are those of an
    // output that is another file already (a link there is refused, as for
    // every save).
    FileLayer& layer = io.fileLayer != nullptr ? *io.fileLayer : platformFileLayer();
    std::filesystem::path target = request.file;
    std::string targetLabel = request.label;
    std::string targetPrinter = request.printer;
    if (request.output && !sameFile(*request.output, request.file) &&
        replacesAFile(*request.output)) {
        target = *request.output;
        targetLabel = utf8FromPath(*request.output);
        targetPrinter.clear();
    } else if (request.output && !sameFile(*request.output, request.file)) {
        FileLock lock;
        const std::string label = utf8FromPath(*request.output);
        if (int exit = lockForSaving(*request.output, label, lock, io.err)) return exit;
        switch (writeOutputFile(layer, *request.output, *bytes)) {
            case ReplaceOutcome::Replaced:
                return reportSave(true, label, io);
            case ReplaceOutcome::NotConfirmed:
                dvftool_text::tell(io.err, label, kNotConfirmedText);
                return kExitNotConfirmed;
            case ReplaceOutcome::Failed:
                return reportSave(false, label, io);
        }
    }
    const DriverFontInput present =
        readDriverFontInput(target, targetLabel, InputUse::Replace, io.err);
    if (present.exit != 0) {
        recordRefusal(io, targetPrinter, target, present);
        return present.exit;
    }
    const HistoryReplace replaced =
        replaceKeepingHistory(target, present.bytes, *bytes, &history, layer, &present.lock);
    recordReplacement(io, {targetPrinter, target, present.bytes, *bytes, replaced, version.file});
    return reportReplace(replaced, targetLabel, io);
}

}  // namespace vx
