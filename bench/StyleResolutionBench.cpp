// Resolving everything a cell paints with: a cell style whose three parents (node cell, column cell,
// default cell style) and control default style hold the values, over many cells, in ns per cell, with
// the ratio to a baseline that reads the same fields from one flat struct. Also prints the size of each
// style class, since a tree grid holds three styles per node and one per cell.
#include "LumoControls/TreeGrid/ModelStyleRegistry.h"
#include "LumoControls/TreeGrid/PlainTreeFactory.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"

#include "BaselineReporter.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace
{
using namespace lumo;

class BenchPlatform : public IStylePlatform
{
public:
    COLORREF SystemColor(int) const override { return 0x123456; }
    int PixelsPerInchY() const override { return 96; }
    bool IsCompositionActive() const override { return false; }
    FontSpec SharedFont() const override { return FontSpec{-11, 0, 400, false, false, false, 1, L"Tahoma"}; }
};

// What a cell paints with, as the painter reads it.
struct CellLook
{
    FontSpec const* font;
    COLORREF textColor;
    std::vector<Band> const* bands;
    int direction;
    std::wstring const* image;
    int imageFill;
    int imageAlign;
    Point imageOffset;
    Rect crop;
    std::wstring const* borders[4];
    Rect padding;
    int radius;
    int cursor;
    int alignment;
    int iconPosition;
    int selectionMode;
    int controlKind;
};

constexpr int kCells = 1000; // distinct cells, cycled through
constexpr VisualState kStates[] = {kStateNormal, kStateHover, kStateSelect, kStateHiSelect};

// A model of 100 rows by 10 columns: every cell resolves through its node's and its column's cell styles.
struct Grid
{
    BenchPlatform platform;
    ModelStyleRegistry registry{platform, VisualLook::Standard};
    NoTreeEvents events;
    NoKeysDown keys;
    PlainTreeFactory factory;
    TreeModel model{factory, registry, events, keys};
    std::vector<ObjStyle*> cells;

    Grid()
    {
        registry.SetModel(&model);
        auto* checkBox = static_cast<ObjStyle*>(registry.GetDefaultStyle(ObjectType::CheckBox));
        checkBox->GetOrCreatePaintStyle(kStateAll).SetBorder(L"gray-border", kSideAll);
        checkBox->SetCursor(2);
        for (unsigned i = 0; i < 10; ++i)
        {
            model.InsertColumn(i, L"column", 50, nullptr);
            ObjStyle& column = model.GetColumn(i).GetCellStyle();
            if (i % 2 == 0)
                column.SetControlKind(7); // a check-box column: the control default style joins the chain
            column.GetOrCreatePaintStyle(kStateNormal).SetImage(L"icon");
        }
        for (int i = 0; i < kCells / 10; ++i)
        {
            TreeNode& node = *model.AddNode(nullptr, nullptr);
            if (i % 3 == 0)
                node.GetCellStyle().SetTextColor(kStateSelect, 0x0000FF);
            for (TreeColumn* column : model.Columns())
                cells.push_back(&model.CellOf(node, *column)->GetStyle());
        }
    }
};

CellLook Resolve(ObjStyle const& cell, VisualState state)
{
    CellLook look;
    look.font = cell.GetFont(state);
    look.textColor = cell.GetTextColor(state);
    look.bands = &cell.GetBackgroundColors(state);
    look.direction = cell.GetGradientDirection(state);
    look.image = &cell.GetImage(state);
    look.imageFill = cell.GetImageFill(state);
    look.imageAlign = cell.GetImageAlign(state);
    look.imageOffset = cell.GetImageOffset(state);
    look.crop = cell.GetCrop(state);
    look.borders[0] = &cell.GetBorder(state, kSideLeft);
    look.borders[1] = &cell.GetBorder(state, kSideRight);
    look.borders[2] = &cell.GetBorder(state, kSideTop);
    look.borders[3] = &cell.GetBorder(state, kSideBottom);
    look.padding = cell.GetPadding();
    look.radius = cell.GetBorderRadius();
    look.cursor = cell.GetCursor();
    look.alignment = cell.GetAlignment();
    look.iconPosition = cell.GetIconPosition();
    look.selectionMode = cell.GetSelectionMode();
    look.controlKind = cell.GetControlKind();
    return look;
}

void ResolveCells(benchmark::State& state)
{
    static Grid grid;
    std::size_t i = 0;
    for (auto _ : state)
    {
        CellLook look = Resolve(*grid.cells[i % kCells], kStates[i % 4]);
        benchmark::DoNotOptimize(look);
        ++i;
    }
}

void Baseline(benchmark::State& state)
{
    static std::wstring const image = L"icon";
    static std::wstring const border = L"gray-border";
    static std::vector<Band> const bands{Band{1, 2, 100}};
    std::vector<CellLook> flat(kCells);
    for (CellLook& look : flat)
        look = CellLook{nullptr,
                        0xFF,
                        &bands,
                        1,
                        &image,
                        0,
                        0,
                        Point{0, 0},
                        Rect{0, 0, 0, 0},
                        {&border, &border, &border, &border},
                        Rect{5, 0, 0, 0},
                        0,
                        2,
                        1,
                        0,
                        0,
                        7};
    std::size_t i = 0;
    for (auto _ : state)
    {
        CellLook look = flat[i % kCells];
        benchmark::DoNotOptimize(look);
        ++i;
    }
}

BENCHMARK(Baseline);
BENCHMARK(ResolveCells);

class StyleRatios : public BaselineReporter
{
protected:
    void PrintRatios(std::map<std::string, double> const& nanoseconds, double baseline) override
    {
        double const resolve = nanoseconds.at("ResolveCells");
        std::printf("\nresolving a cell's 21 paint values: %.1f ns per cell, x%.1f the flat-struct baseline "
                    "(%.2f ns)\n",
                    resolve, resolve / baseline, baseline);
        std::printf("10^6 cells: %.0f ms\n", resolve * 1e6 / 1e6);
        std::printf(
            "style sizes (this build): PaintStyle %zu, DrawStyle %zu, Style %zu, ObjStyle %zu bytes\n",
            sizeof(PaintStyle), sizeof(DrawStyle), sizeof(Style), sizeof(ObjStyle));
    }
};
} // namespace

int main(int argc, char** argv)
{
    StyleRatios reporter;
    return RunBenchmarks(argc, argv, reporter);
}
