// SPDX-License-Identifier: MIT
#pragma once
// Choosing a file's encoding (byte-order mark, declared name, content) and
// decoding its bytes to UTF-16.

#include <cstddef>
#include <cstdint>

#include "config/text.h"

namespace k47 {

class ICodePages;

// Code pages of the byte-order marks; kAnsiCodePage and kUtf8CodePage are in
// config/code_pages.h.
constexpr std::uint32_t kUtf16LeCodePage = 1200;
constexpr std::uint32_t kUtf16BeCodePage = 1201;
// How many bytes at the start of a file the declaration scan reads.
constexpr std::size_t kHeadBytes = 1024;

// The encoding name that the head of a file declares: the "encoding" of an
// opening <?xml ...?> instruction, or the charset of a
// <meta http-equiv="Content-Type" content="..."> in an html head. Names and
// "Content-Type" are compared without regard to ASCII case. False when the
// head declares nothing.
bool ScanDeclaredEncoding(TextView head, Text& name);

// The lax UTF-8 shape check: lead bytes by their high bits, every following
// byte 0x80 or above, no sequence cut off at the end.
bool PassesUtf8Check(const std::uint8_t* bytes, std::size_t size);

// The code page a declared name stands for: the table's, or kAnsiCodePage for
// a name that is not in it or has 100 characters or more. False for a name
// this reader cannot honour in a file without a mark (UTF-16 and UTF-32).
bool CodePageOfName(TextView name, std::uint32_t& codePage);

// Decodes a whole file to text with every U+0000 removed, converting through
// codePages (may be null). Returns the code page it converted with.
std::uint32_t DecodeXmlFile(const std::uint8_t* bytes, std::size_t size, ICodePages* codePages,
                            Text& text);

} // namespace k47
