// SPDX-License-Identifier: MIT
#pragma once
#include "config/shell.h"

namespace k47 {

class WinShell : public IShell {
public:
    void Open(TextView path) override;
    void PlaySoundFile(TextView path) override;
};

} // namespace k47
