// event_messages OUT: writes the message table resource of the event log's
// texts (events/event_messages.cpp) to OUT, for the programs' resources.
#include "events/event_messages.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: event_messages OUT\n";
        return 2;
    }
    const std::string table = vx::messageTableResource();
    std::ofstream out(argv[1], std::ios::binary);
    out.write(table.data(), static_cast<std::streamsize>(table.size()));
    out.close();
    if (!out) {
        std::cerr << "event_messages: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
