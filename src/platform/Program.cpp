#include "platform/Program.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace platform {

namespace {
std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}
} // namespace

void prepareStartMemory() {
    // The windows made at start take some megabytes of the heap in small blocks. Grown a page at a time,
    // each new page costs a fault on its first touch; one block of that size, filled in at once (in large
    // pages where the system has them) and handed back to the heap, serves them instead. Where the system
    // cannot fill it in ahead, the pages come on touch as before.
    // Setting a threshold stops the heap from raising its own as large blocks come and go, so both are set
    // where it would raise them to: the block, and later the lists' large blocks, come from the heap and
    // stay filled in, instead of a fresh mapping (a fault per page) every time a list is made.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    constexpr size_t kStartHeap = 8u << 20; // what the windows of the creation table take, about
    void* block = std::malloc(kStartHeap);
    if (block) {
        const auto page = uintptr_t(sysconf(_SC_PAGESIZE));
        const uintptr_t from = (uintptr_t(block) + page - 1) & ~(page - 1);
        const uintptr_t to = (uintptr_t(block) + kStartHeap) & ~(page - 1);
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
        madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
        std::free(block);
    }
}

void drawOnProcessor() {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
}

void endProgram() {
    if (endHandler())
        endHandler()();
    else
        QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
}

} // namespace platform
