#include "LumoControls/LumoImage/RegionRuns.h"

#include <algorithm>

namespace
{
constexpr std::size_t kGrowth = 64;

std::uint8_t Component(COLORREF color, int index) // 0 red, 1 green, 2 blue
{
    return static_cast<std::uint8_t>(color >> (8 * index) & 0xFF);
}
} // namespace

lumo::TransparentRange::TransparentRange(COLORREF color, COLORREF tolerance)
{
    for (int i = 0; i < 3; ++i)
    {
        m_low[i] = Component(color, i);
        m_high[i] = static_cast<std::uint8_t>(std::min(255, Component(color, i) + Component(tolerance, i)));
    }
}

bool lumo::TransparentRange::Contains(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const
{
    return red >= m_low[0] && red <= m_high[0] && green >= m_low[1] && green <= m_high[1] &&
           blue >= m_low[2] && blue <= m_high[2];
}

lumo::RegionBatch::RegionBatch()
{
    Clear();
}

void lumo::RegionBatch::Clear()
{
    m_rects.clear();
    m_rects.reserve(kGrowth);
    m_bounds = Rect{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
}

void lumo::RegionBatch::Add(Rect const& rect)
{
    if (m_rects.size() == m_rects.capacity())
        m_rects.reserve(m_rects.capacity() + kGrowth);
    m_rects.push_back(rect);
    m_bounds.left = std::min(m_bounds.left, rect.left);
    m_bounds.top = std::min(m_bounds.top, rect.top);
    m_bounds.right = std::max(m_bounds.right, rect.right);
    m_bounds.bottom = std::max(m_bounds.bottom, rect.bottom);
}

void lumo::CollectOpaqueRuns(std::uint8_t const* bits, int width, int height, bool bottomUp,
                             TransparentRange const& range, IRegionBatchSink& sink)
{
    RegionBatch batch;
    std::size_t const stride = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y)
    {
        std::uint8_t const* row = bits + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width;)
        {
            auto opaque = [&](int at)
            {
                std::uint8_t const* pixel = row + 4 * at;
                return !range.Contains(pixel[2], pixel[1], pixel[0]);
            };
            if (!opaque(x))
            {
                ++x;
                continue;
            }
            int const start = x;
            while (x < width && opaque(x))
                ++x;
            batch.Add(Rect{start, y, x, y + 1});
            if (batch.IsFull())
            {
                sink.Combine(batch);
                batch.Clear();
            }
        }
    }
    if (!batch.IsEmpty())
        sink.Combine(batch);
}
