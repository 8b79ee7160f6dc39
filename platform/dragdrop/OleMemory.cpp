// SPDX-License-Identifier: MIT
#include "platform/dragdrop/OleMemory.h"

#include "platform/dragdrop/OleInterfaces.h"

#include <new>
#include <stdexcept>
#include <vector>

namespace maskwell {

struct GlobalBlock {
    std::vector<std::byte> bytes;
    int locks = 0;
};

HGLOBAL GlobalAlloc(unsigned /*flags*/, std::size_t bytes) {
    try {
        auto* block = new GlobalBlock;
        try {
            block->bytes.resize(bytes);
        } catch (...) {
            delete block;
            throw;
        }
        return block;
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const std::length_error&) {
        return nullptr;
    }
}

void* GlobalLock(HGLOBAL memory) {
    if (!memory || memory->bytes.empty())
        return nullptr;
    ++memory->locks;
    return memory->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
    if (!memory || memory->locks == 0)
        return FALSE;
    return --memory->locks > 0 ? TRUE : FALSE;
}

std::size_t GlobalSize(HGLOBAL memory) {
    return memory ? memory->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
    delete memory;
    return nullptr;
}

void ReleaseStgMedium(STGMEDIUM* medium) {
    if (!medium)
        return;
    if (medium->pUnkForRelease)
        medium->pUnkForRelease->Release();
    else if (medium->tymed == TYMED_HGLOBAL)
        GlobalFree(medium->hGlobal);
    *medium = STGMEDIUM{};
}

} // namespace maskwell
