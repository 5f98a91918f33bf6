// SPDX-License-Identifier: MIT
#include "config/text_format.h"

namespace k47 {

Text FormatWithText(TextView format, TextView arg)
{
    Text out;
    out.reserve(format.size() + arg.size());
    bool used = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == u'%' && i + 1 < format.size()) {
            if (format[i + 1] == u'%') {
                out.push_back(u'%');
                ++i;
                continue;
            }
            if (format[i + 1] == u's' && !used) {
                out.append(arg);
                used = true;
                ++i;
                continue;
            }
        }
        out.push_back(format[i]);
    }
    return out;
}

} // namespace k47
