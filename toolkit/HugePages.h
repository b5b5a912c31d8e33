#pragma once
// Large blocks filled once, such as a whole catalogue's records or a data file's bytes.
#include <cstddef>

namespace toolkit {

// Asks the system to back the not yet touched block with huge pages where it offers them
// on request (Linux), so that filling it faults once per 2 MiB instead of once per 4 KiB.
// Only the whole huge pages inside the block are asked for; elsewhere it does nothing.
void AdviseHugePages(const void* block, std::size_t size);

} // namespace toolkit
