// SPDX-License-Identifier: MIT
#pragma once
// The language menu: the twelve interface languages with their pictures; a
// click sends WM_SELECT_LANGUAGE with the language index to the parent, the
// closing the same with 0.

#include "controls/menu_ex.h"

namespace k47 {

class CMenuExA : public CMenuEx {
public:
    CMenuExA() = default;

protected:
    void BuildItems() override;
};

} // namespace k47
