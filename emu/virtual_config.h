// SPDX-License-Identifier: MIT
#pragma once
// The virtual mouse as the environment asks for it. K47_VIRTUAL_MOUSE switches
// it on (its value is the trace file); further K47_VIRTUAL_MOUSE_* variables
// set the firmware and the faults. emu/README.md lists them all.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/clock.h"
#include "emu/virtual_bus.h"

namespace k47 {

// Returns the value of an environment variable, UTF-8, or null when it is not
// set: getenv, or a table in tests.
using EnvLookup = std::function<const char*(const char* name)>;

struct VirtualMouseConfig {
    bool enabled = false;
    VirtualBusOptions bus;
    // One text per variable whose value could not be used; its default stays.
    std::vector<std::string> warnings;
};

constexpr const char kVirtualMouseVariable[] = "K47_VIRTUAL_MOUSE";

VirtualMouseConfig ReadVirtualMouseConfig(const EnvLookup& getenv);

// The bus of a configuration, with its warnings in the trace.
std::unique_ptr<VirtualBus> MakeVirtualBus(const VirtualMouseConfig& config, IClock& clock);

} // namespace k47
