// SPDX-License-Identifier: MIT
#pragma once
#include "config/text.h"
#include "config/xml/element_index.h"

namespace k47 {

// Indexes every element of text, tolerantly: an end tag that matches no open
// element is ignored, and an element that is never ended keeps only its start
// tag and hands its children on to its parent. Nesting levels count the
// top-level elements as 1. Start tags longer than kMaxStartTagLength count as
// errors; end tags longer than kMaxEndTagLength are ignored.
void BuildElementIndex(TextView text, ElementIndex& index);

} // namespace k47
