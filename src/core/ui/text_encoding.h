// Decoding of the two encodings the embedded text resources come in: the language tables are
// UTF-16 little-endian with a byte-order mark, the layouts single-byte/double-byte code page 936.
// Both decode to UTF-8, the encoding every string of the core uses.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/common/result.h"

namespace krvm {

// UTF-16LE text that begins with the byte-order mark FF FE. Unpaired surrogates become U+FFFD;
// a trailing odd byte is dropped. A missing byte-order mark is an error.
Result<std::string> decode_utf16le_with_bom(std::span<const std::uint8_t> bytes);

// Code page 936 (GBK) text. A byte sequence that is not GBK is an error.
Result<std::string> decode_cp936(std::span<const std::uint8_t> bytes);

}  // namespace krvm
