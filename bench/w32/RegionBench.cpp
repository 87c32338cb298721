// CreateHRGNFromHBITMAP on a 512 by 512 bitmap of many runs (1024 by 1024 with --full: the baseline then
// takes about ten seconds under Wine), against an in-run baseline that builds the same region by uniting
// one rectangle region per run. Prints both times and their ratio; the two regions are compared so that
// the figure is about the same work.
//
//     region_bench.exe [--full]
#include <LumoCtrls/LumoCtrls.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
COLORREF const kKey = RGB(255, 0, 255);

// Dithered stripes: on each line, runs of 3 to 17 opaque pixels between gaps of 1 to 12, shifted from
// line to line so that no two lines are alike.
bool Opaque(int x, int y)
{
    unsigned const seed = static_cast<unsigned>(y) * 2654435761u;
    unsigned const period = 8 + (seed >> 28);
    unsigned const opaque = 3 + ((seed >> 20) % (period - 4));
    return (static_cast<unsigned>(x) + (seed >> 8)) % period < opaque;
}

double Seconds(LARGE_INTEGER const& from, LARGE_INTEGER const& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HRGN BaselineOneUnionPerRun(std::vector<RECT> const& runs)
{
    HRGN const region = CreateRectRgn(0, 0, 0, 0);
    for (RECT const& run : runs)
    {
        HRGN const part = CreateRectRgn(run.left, run.top, run.right, run.bottom);
        CombineRgn(region, region, part, RGN_OR);
        DeleteObject(part);
    }
    return region;
}
} // namespace

int main(int argc, char** argv)
{
    int const kSize = argc > 1 && std::strcmp(argv[1], "--full") == 0 ? 1024 : 512;

    // The bitmap, and the runs the baseline unites.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP const bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<RECT> runs;
    for (int y = 0; y < kSize; ++y)
    {
        int start = -1;
        for (int x = 0; x <= kSize; ++x)
        {
            bool const opaque = x < kSize && Opaque(x, y);
            if (x < kSize)
                static_cast<DWORD*>(bits)[y * kSize + x] = opaque ? 0x00204060 : 0x00FF00FF;
            if (opaque && start < 0)
                start = x;
            if (!opaque && start >= 0)
            {
                runs.push_back(RECT{start, y, x, y + 1});
                start = -1;
            }
        }
    }

    LARGE_INTEGER t0, t1, t2;
    QueryPerformanceCounter(&t0);
    HRGN const batched = CreateHRGNFromHBITMAP(bitmap, kKey, 0);
    QueryPerformanceCounter(&t1);
    HRGN const baseline = BaselineOneUnionPerRun(runs);
    QueryPerformanceCounter(&t2);

    bool const same = EqualRgn(batched, baseline) != 0;
    double const fast = Seconds(t0, t1);
    double const slow = Seconds(t1, t2);
    std::printf("CreateHRGNFromHBITMAP, %dx%d, %zu runs\n", kSize, kSize, runs.size());
    std::printf("  batched unions (every 2000 runs): %8.1f ms\n", fast * 1000);
    std::printf("  baseline, one union per run:      %8.1f ms\n", slow * 1000);
    std::printf("  ratio baseline / batched:         %8.1f x   (regions %s)\n", slow / fast,
                same ? "equal" : "DIFFER");
    DeleteObject(batched);
    DeleteObject(baseline);
    DeleteObject(bitmap);
    return same ? 0 : 1;
}
