// Values a page keeps per driver font while the program runs and never
// writes to the file. Every memory is registered once with its page's
// PerFontMemories, so that one reset brings them all back to their initial
// values.
#pragma once

#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace vx {

class ResettableMemory {
public:
    virtual ~ResettableMemory() = default;
    virtual void reset() = 0;
    virtual std::unique_ptr<ResettableMemory> copy() const = 0;
    // Takes the values of a copy of this memory.
    virtual void restore(const ResettableMemory& saved) = 0;
};

// One value per driver font. Font numbers outside the memory throw
// std::out_of_range.
template <class T>
class PerFontMemory : public ResettableMemory {
public:
    PerFontMemory(int fontCount, T initial)
        : initial_(std::move(initial)),
          entries_(static_cast<std::size_t>(fontCount), Entry{initial_}) {}

    const T& operator[](int font) const { return entries_.at(index(font)).value; }
    T& operator[](int font) { return entries_.at(index(font)).value; }
    int fontCount() const { return static_cast<int>(entries_.size()); }
    void reset() override {
        for (Entry& entry : entries_) entry.value = initial_;
    }
    std::unique_ptr<ResettableMemory> copy() const override {
        return std::make_unique<PerFontMemory>(*this);
    }
    void restore(const ResettableMemory& saved) override {
        entries_ = static_cast<const PerFontMemory&>(saved).entries_;
    }

private:
    // A wrapper keeps std::vector<bool>'s packed form out, so that every T
    // gives real references.
    struct Entry {
        T value;
    };
    static std::size_t index(int font) {
        return font < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(font);
    }

    T initial_;
    std::vector<Entry> entries_;
};

// The memories of one page. A memory lives as long as the registry and keeps
// its address, so pages hold plain references to what they registered.
class PerFontMemories {
public:
    explicit PerFontMemories(int fontCount) : fontCount_(fontCount) {}
    PerFontMemories(const PerFontMemories&) = delete;
    PerFontMemories& operator=(const PerFontMemories&) = delete;

    template <class T>
    PerFontMemory<T>& add(T initial) {
        auto memory = std::make_unique<PerFontMemory<T>>(fontCount_, std::move(initial));
        PerFontMemory<T>& added = *memory;
        memories_.push_back(std::move(memory));
        return added;
    }
    void reset() {
        for (const auto& memory : memories_) memory->reset();
    }

    // Every memory as it stands, to be put back after a store that must
    // leave no trace.
    using Snapshot = std::vector<std::unique_ptr<ResettableMemory>>;
    Snapshot snapshot() const {
        Snapshot saved;
        for (const auto& memory : memories_) saved.push_back(memory->copy());
        return saved;
    }
    void restore(const Snapshot& saved) {
        for (std::size_t i = 0; i < memories_.size() && i < saved.size(); ++i) {
            memories_[i]->restore(*saved[i]);
        }
    }

private:
    int fontCount_;
    std::vector<std::unique_ptr<ResettableMemory>> memories_;
};

}  // namespace vx
