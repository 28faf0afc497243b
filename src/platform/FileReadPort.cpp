#include "platform/FileReadPort.h"

#include <atomic>

namespace kagiroi {

namespace {

std::atomic<FileReadPort*> gPortInPlace{nullptr};

}  // namespace

FileReadPort& CurrentFileReads() {
    FileReadPort* port = gPortInPlace.load();
    return port != nullptr ? *port : SystemFileReads();
}

FileReadPortScope::FileReadPortScope(FileReadPort& port) : replaced_(CurrentFileReads()) {
    gPortInPlace.store(&port);
}

FileReadPortScope::~FileReadPortScope() {
    gPortInPlace.store(&replaced_);
}

}  // namespace kagiroi
