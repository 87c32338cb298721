// The rectangles of a bitmap's region: every maximal run of pixels on a scan line that is not within the
// transparent colour range, gathered in batches so that the platform builds the region from a few
// large unions rather than one per run.
#pragma once

#include "LumoCtrls/Types.h"

#include <cstdint>
#include <vector>

namespace lumo
{
// A pixel is transparent when each of its red, green and blue lies between the colour's component and
// that component plus the tolerance's, the upper bound capped at 255. (Compared component by component,
// so that any colour keys out exactly, not only those whose red and blue are equal.)
class TransparentRange
{
public:
    TransparentRange(COLORREF color, COLORREF tolerance);
    bool Contains(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const;

private:
    std::uint8_t m_low[3];
    std::uint8_t m_high[3];
};

// Rectangles collected for one region part; the buffer starts at 64 and grows by 64.
class RegionBatch
{
public:
    static constexpr std::size_t kFlushSize = 2000;

    RegionBatch();
    void Add(Rect const& rect);
    bool IsFull() const { return m_rects.size() >= kFlushSize; }
    bool IsEmpty() const { return m_rects.empty(); }
    std::vector<Rect> const& Rects() const { return m_rects; }
    Rect const& Bounds() const { return m_bounds; }
    void Clear();

private:
    std::vector<Rect> m_rects;
    Rect m_bounds;
};

// Receives each full batch and the last one; the receiver builds and combines a region of it.
class IRegionBatchSink
{
public:
    virtual ~IRegionBatchSink() = default;
    virtual void Combine(RegionBatch const& batch) = 0;
};

// Scans a 32-bit section of blue, green, red, unused bytes per pixel; bottomUp rows are stored from the
// bottom line up, as in a device-independent section with a positive height. Region rows are counted
// from the top.
void CollectOpaqueRuns(std::uint8_t const* bits, int width, int height, bool bottomUp,
                       TransparentRange const& range, IRegionBatchSink& sink);
} // namespace lumo
