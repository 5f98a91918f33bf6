// SPDX-License-Identifier: MIT
#include "config/xml/element_index.h"

#include <algorithm>
#include <cstring>

namespace k47 {

ElementIndex::ElementIndex()
{
    Reset(0);
}

void ElementIndex::Reset(std::uint32_t textLength)
{
    m_pages.clear();
    m_lastPageSize = 0;
    m_count = 0;
    m_capacity = 0;
    Grow(textLength / 64 + 8);
    ElementEntry& document = (*this)[Add()];
    document.length = static_cast<std::int32_t>(textLength);
}

std::uint32_t ElementIndex::Add()
{
    if (m_count == m_capacity)
        Grow(m_capacity + std::max<std::uint32_t>(m_capacity / 2, 1));
    const std::uint32_t i = m_count++;
    std::memset(&(*this)[i], 0, sizeof(ElementEntry));
    return i;
}

void ElementIndex::Grow(std::uint32_t capacity)
{
    while (m_capacity < capacity) {
        if (m_pages.empty() || m_lastPageSize == kPageSize) {
            const std::uint32_t size = std::min(capacity - m_capacity, kPageSize);
            m_pages.emplace_back(new ElementEntry[size]);
            m_lastPageSize = size;
            m_capacity += size;
            continue;
        }
        // Widen the last page, moving its entries once.
        const std::uint32_t size = std::min(m_lastPageSize + (capacity - m_capacity), kPageSize);
        std::unique_ptr<ElementEntry[]> page(new ElementEntry[size]);
        std::memcpy(page.get(), m_pages.back().get(), m_lastPageSize * sizeof(ElementEntry));
        m_pages.back() = std::move(page);
        m_capacity += size - m_lastPageSize;
        m_lastPageSize = size;
    }
}

} // namespace k47
