// SPDX-License-Identifier: MIT
#pragma once
// (filled in by the emulator work)
