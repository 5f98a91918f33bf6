// SPDX-License-Identifier: MIT
#pragma once
#include <vector>

#include "config/message_box.h"

namespace k47::test {

// Records every message box instead of showing it; info boxes answer with a
// chosen result.
class RecordingMessageBox : public IMessageBox {
public:
    struct Shown {
        Text text;
        Text caption;  // empty for info boxes
        int mode = -1; // -1 for platform boxes
    };

    int ShowInfoMessage(TextView text, int mode) override
    {
        m_shown.push_back({Text(text), Text(), mode});
        return m_answer;
    }
    void ShowPlatformMessage(TextView text, TextView caption) override
    {
        m_shown.push_back({Text(text), Text(caption), -1});
    }

    void Answer(int result) { m_answer = result; }
    const std::vector<Shown>& Boxes() const { return m_shown; }

private:
    std::vector<Shown> m_shown;
    int m_answer = 1;
};

} // namespace k47::test
