// SPDX-License-Identifier: MIT
#include "emu/virtual_k47.h"
