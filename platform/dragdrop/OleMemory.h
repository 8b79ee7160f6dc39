// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dragdrop/OleTypes.h"

#include <cstddef>

// Global memory, as data objects hand it out: a block behind a handle, locked
// to reach its bytes. Blocks are never moved, so a lock always gives the same
// address; the lock count is kept because GlobalUnlock reports it.
namespace maskwell {

constexpr unsigned GMEM_FIXED = 0x0000;
constexpr unsigned GMEM_MOVEABLE = 0x0002;
constexpr unsigned GMEM_ZEROINIT = 0x0040;
constexpr unsigned GMEM_DDESHARE = 0x2000;
constexpr unsigned GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// A new block of `bytes` bytes, all zero whatever the flags; null when the
// memory cannot be had.
HGLOBAL GlobalAlloc(unsigned flags, std::size_t bytes);
// The block's first byte, or null for a null handle or an empty block.
void* GlobalLock(HGLOBAL memory);
// TRUE while the block stays locked after this unlock.
BOOL GlobalUnlock(HGLOBAL memory);
std::size_t GlobalSize(HGLOBAL memory);
// Frees the block; null on success.
HGLOBAL GlobalFree(HGLOBAL memory);

// Frees what a medium holds (its global memory, or the reference to the object
// that owns it) and empties it.
void ReleaseStgMedium(STGMEDIUM* medium);

} // namespace maskwell
