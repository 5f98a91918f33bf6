// SPDX-License-Identifier: MIT
// How much the link and the command set add to the pauses the protocol
// mandates: the default configuration's commands and one full macro upload to
// the virtual K47 with the real clock, wall time next to the sum of the pauses.
// It reports; it never fails.
#include <chrono>
#include <cstdio>
#include <thread>

#include "config/buttons.h"
#include "config/function_catalogue.h"
#include "device/device_commands.h"
#include "emu/virtual_bus.h"

namespace {

using Clock = std::chrono::steady_clock;

// The real clock, with the pauses asked of it added up.
class CountingClock : public k47::IClock {
public:
    std::uint32_t TickCount() override
    {
        return std::uint32_t(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
                .count());
    }
    void Sleep(std::uint32_t ms) override
    {
        m_paused += ms;
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    std::uint64_t Paused() const { return m_paused; }
    void Reset() { m_paused = 0; }

private:
    std::uint64_t m_paused = 0;
};

template <typename Body> void Measure(const char* name, CountingClock& clock, Body body)
{
    clock.Reset();
    const auto start = Clock::now();
    const bool ok = body();
    const double wall = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double paused = double(clock.Paused());
    std::printf("%-34s wall %8.1f ms  mandated pauses %6.0f ms  overhead %6.2f ms  ratio %.4f%s\n",
                name, wall, paused, wall - paused, paused > 0 ? wall / paused : 0.0,
                ok ? "" : "  (a command failed)");
}

} // namespace

int main()
{
    using namespace k47;
    CountingClock clock;
    VirtualBusOptions options;
    VirtualBus bus(options, clock);
    CUSBDriver usb(bus, clock);
    if (!usb.OpenDevice()) {
        std::printf("the virtual K47 could not be opened\n");
        return 0;
    }

    Measure("default configuration", clock, [&] {
        int version = 0;
        std::uint8_t state = 0;
        bool ok = ReadFirmwareVersion(usb, version);
        ok = ReadDeviceState(usb, state) && ok;
        std::array<std::uint32_t, 7> codes{};
        for (std::size_t b = 0; b < kButtonCount; ++b)
            codes[b] = FunctionCodeOfType(kButtons[b].defaultType);
        ok = WriteButtonTable(usb, BuildButtonTable(codes)) && ok;
        ok = SetLightColour(usb, 0x000000FF) && ok;
        ok = SetLightMode(usb, LightModeFor(4, 3, 2)) && ok;
        ok = SetLightSwitch(usb, 1, 4) && ok;
        const std::uint32_t levels[3] = {1000, 1500, 2000};
        ok = WriteSensitivityTable(usb, BuildSensitivityTable(levels)) && ok;
        SetReportRate(usb, 1);
        return ok;
    });

    // The report rate restarts the mouse; let it come back before the macro.
    for (int tries = 0; tries < 100 && !usb.OpenDevice(); ++tries) {
        std::this_thread::sleep_for(
            std::chrono::milliseconds(bus.MillisecondsUntilNextEvent().value_or(50)));
        bus.Poll();
    }

    static MacroRecord macro{};
    macro.Repeat = 1;
    macro.EventCount = kMacroMaxEvents;
    for (std::uint32_t i = 0; i < kMacroMaxEvents; ++i)
        macro.Events[i] = MacroEvent(i % 2 ? kMacroEventRelease : kMacroEventPress, 'A' + i % 26);
    Measure("full macro upload (1000 events)", clock, [&] {
        bool sent = false;
        UploadMacro(usb, 1, macro, &sent);
        return sent;
    });
    return 0;
}
