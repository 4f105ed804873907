// The platform's file layer with each step of a save written to a log, and
// any step made to fail (or to throw) from the test: for tests of the order
// in which a save's bytes reach the disk and of what a failure leaves.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_layer.h"

namespace vx::test {

struct LayerStep {
    std::string what;  // "create", "write", "flush", "rename", "sync", "remove",
                       // "replace open", "replace write", "replace flush", "replace commit"
    std::filesystem::path path;  // the file (for "rename" the new name, for "sync" the folder)
};

class RecordingLayer : public FileLayer {
public:
    std::vector<LayerStep> log;
    // Asked before each step; true makes the step fail. It may throw, or
    // act on the files first (to leave what a failure halfway leaves).
    std::function<bool(const LayerStep&)> fails = [](const LayerStep&) { return false; };

    // The steps, each as "what filename".
    std::vector<std::string> steps() const {
        std::vector<std::string> out;
        for (const LayerStep& step : log)
            out.push_back(step.what + " " + step.path.filename().string());
        return out;
    }

    std::unique_ptr<FileReplacement> replacement(const std::filesystem::path& target) override {
        return std::make_unique<Replacement>(*this, target, real().replacement(target));
    }
    std::unique_ptr<NewFile> createNew(const std::filesystem::path& path,
                                       std::error_code& error) override {
        if (failed("create", path)) {
            error = std::make_error_code(std::errc::io_error);
            return nullptr;
        }
        std::unique_ptr<NewFile> file = real().createNew(path, error);
        return file ? std::make_unique<File>(*this, path, std::move(file)) : nullptr;
    }
    std::error_code renameNew(const std::filesystem::path& from,
                              const std::filesystem::path& to) override {
        if (failed("rename", to)) return std::make_error_code(std::errc::io_error);
        return real().renameNew(from, to);
    }
    std::error_code syncFolder(const std::filesystem::path& folder) override {
        if (failed("sync", folder)) return std::make_error_code(std::errc::io_error);
        return real().syncFolder(folder);
    }
    // The same steps in a held folder, logged with the folder's path and the name.
    std::unique_ptr<NewFile> createNewIn(const HeldFolder& folder,
                                         const std::filesystem::path& name,
                                         std::error_code& error) override {
        if (failed("create", folder.path / name)) {
            error = std::make_error_code(std::errc::io_error);
            return nullptr;
        }
        std::unique_ptr<NewFile> file = real().createNewIn(folder, name, error);
        return file ? std::make_unique<File>(*this, folder.path / name, std::move(file)) : nullptr;
    }
    std::error_code renameNewIn(const HeldFolder& folder, const std::filesystem::path& from,
                                const std::filesystem::path& to) override {
        if (failed("rename", folder.path / to)) return std::make_error_code(std::errc::io_error);
        return real().renameNewIn(folder, from, to);
    }
    std::error_code syncHeldFolder(const HeldFolder& folder) override {
        if (failed("sync", folder.path)) return std::make_error_code(std::errc::io_error);
        return real().syncHeldFolder(folder);
    }
    void removeIn(const HeldFolder& folder, const std::filesystem::path& name) override {
        if (!failed("remove", folder.path / name)) real().removeIn(folder, name);
    }
    bool exists(const std::filesystem::path& path) override { return real().exists(path); }
    void remove(const std::filesystem::path& path) override {
        if (!failed("remove", path)) real().remove(path);
    }

private:
    static FileLayer& real() { return platformFileLayer(); }
    bool failed(std::string what, const std::filesystem::path& path) {
        log.push_back({std::move(what), path});
        return fails(log.back());
    }

    class File : public NewFile {
    public:
        File(RecordingLayer& layer, std::filesystem::path path, std::unique_ptr<NewFile> inner)
            : layer_(layer), path_(std::move(path)), inner_(std::move(inner)) {}
        std::error_code write(std::string_view bytes) override {
            if (layer_.failed("write", path_)) return std::make_error_code(std::errc::io_error);
            return inner_->write(bytes);
        }
        std::error_code flush() override {
            if (layer_.failed("flush", path_)) return std::make_error_code(std::errc::io_error);
            return inner_->flush();
        }

    private:
        RecordingLayer& layer_;
        std::filesystem::path path_;
        std::unique_ptr<NewFile> inner_;
    };

    class Replacement : public FileReplacement {
    public:
        Replacement(RecordingLayer& layer, std::filesystem::path target,
                    std::unique_ptr<FileReplacement> inner)
            : layer_(layer), target_(std::move(target)), inner_(std::move(inner)) {}
        bool openTemporary() override {
            return !layer_.failed("replace open", target_) && inner_->openTemporary();
        }
        bool write(std::string_view bytes) override {
            return !layer_.failed("replace write", target_) && inner_->write(bytes);
        }
        bool flush() override {
            return !layer_.failed("replace flush", target_) && inner_->flush();
        }
        bool commit() override {
            return !layer_.failed("replace commit", target_) && inner_->commit();
        }
        void discard() override { inner_->discard(); }

    private:
        RecordingLayer& layer_;
        std::filesystem::path target_;
        std::unique_ptr<FileReplacement> inner_;
    };
};

}  // namespace vx::test
