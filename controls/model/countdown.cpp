// SPDX-License-Identifier: MIT
#include "controls/model/countdown.h"

#include "controls/model/number_text.h"

namespace k47 {

Text OkCaption(bool chinese)
{
    return chinese ? Text(u"确定") : Text(u"OK");
}

Text CancelCaption(bool chinese)
{
    return chinese ? Text(u"取消") : Text(u"Cancel");
}

Text CountdownStartLabel(bool chinese)
{
    return OkCaption(chinese) + u" (5s)";
}

CountdownTick NextCountdownTick(int& counter, bool chinese)
{
    CountdownTick tick{counter == 0, OkCaption(chinese) + u" (" + FormatInt(counter) + u")"};
    --counter;
    return tick;
}

} // namespace k47
