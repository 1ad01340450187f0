#pragma once
// The employees of an open data file in name order, as the print runs and the
// wage file take them.

#include <cstdint>
#include <functional>
#include <string>

#include "data/W2Record.h"

class TQuillmarFormFile;

// Reads the W-2 record of each entry of the name index, in order, and hands
// it to `each`; a record that cannot be read whole goes to `unreadable`, with
// its key and offset, instead. The file position is put back afterwards, also
// when a callback throws.
void ForEachInNameOrder(
    TQuillmarFormFile& file, const std::function<void(const W2Record&)>& each,
    const std::function<void(const std::string& key, std::int64_t offset)>& unreadable);
