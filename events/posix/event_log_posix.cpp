// POSIX systems have no Windows event log: dvftool's events go nowhere.
#include "events/change_event.h"

namespace vx {

namespace {

class NoEventLog final : public EventWriter {
public:
    void write(const ChangeEvent&) override {}
};

}  // namespace

EventWriter& platformEventWriter() {
    static NoEventLog writer;
    return writer;
}

}  // namespace vx
