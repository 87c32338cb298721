// A monkey at the tree grid: random mouse, wheel and keyboard messages against a populated grid whose
// handler, from inside its notifications, refuses at random, edits texts, removes and inserts nodes and
// columns and clears everything. After every message the grid must be consistent; at the end nothing may
// be left behind.
//
// LUMO_MONKEY_MESSAGES sets the number of messages (10,000 by default), LUMO_MONKEY_SEED the seed (else
// one is drawn and printed, so that a failure can be replayed).
#include "LumoCtrls/LumoCtrls.h"
#include "w32/TestWindows.h"
#include "w32/GuiObjectCounter.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace
{
constexpr int kColumns = 5;
constexpr int kControlKinds = 15; // CONTROL_NONE (1) to the launcher (15)

unsigned long EnvironmentNumber(char const* name, unsigned long fallback)
{
    char const* const text = std::getenv(name);
    return text != nullptr && *text != 0 ? std::strtoul(text, nullptr, 10) : fallback;
}

// The host's view of the nodes, so that the monkey can pick one at random in constant time.
class NodeBag
{
public:
    void Add(CTreeGrid::INode* node) { m_nodes.push_back(node); }
    void Remove(CTreeGrid::INode* node)
    {
        auto const found = std::find(m_nodes.begin(), m_nodes.end(), node);
        if (found == m_nodes.end())
            return;
        *found = m_nodes.back();
        m_nodes.pop_back();
    }
    void Clear() { m_nodes.clear(); }
    CTreeGrid::INode* Pick(std::mt19937& random) const
    {
        return m_nodes.empty() ? nullptr : m_nodes[random() % m_nodes.size()];
    }
    std::size_t Size() const { return m_nodes.size(); }

private:
    std::vector<CTreeGrid::INode*> m_nodes;
};

// Does something unexpected now and then from inside the grid's notifications.
class MonkeyHandler : public CTreeGrid::CEventsHandler
{
public:
    MonkeyHandler(CTreeGrid& grid, NodeBag& nodes, std::mt19937& random)
        : m_grid(grid), m_nodes(nodes), m_random(random)
    {
    }

    void MouseDown(bool, int, int, bool& takeFocus) override { takeFocus = Chance(95) && Mischief(); }
    void MouseUp(int, int) override { Mischief(); }
    bool KeyDown(UINT, UINT, UINT) override { return Mischief() && Chance(95); }
    void SelectionChanged() override { Mischief(); }
    bool ClearSelectionQuery() override { return Mischief() && Chance(70); }
    bool ColumnResizeStart(CTreeGrid::IColumn*) override { return Mischief() && Chance(80); }
    bool ColumnDragStart(CTreeGrid::IColumn*) override { return Mischief() && Chance(80); }
    bool ColumnDropTarget(CTreeGrid::IColumn*, unsigned) override { return Mischief() && Chance(80); }
    void ColumnDropped(CTreeGrid::IColumn* column, unsigned index) override
    {
        if (Mischief() && Chance(50))
            m_grid.MoveColumnTo(*column, index);
    }
    void ControlClick(CTreeGrid::IFloatControl*, bool) override { Mischief(); }
    bool FocusMayChange(CTreeGrid::IFloatControl*) override { return Mischief() && Chance(90); }
    void FocusGained(CTreeGrid::IFloatControl*) override { Mischief(); }
    void FocusLost(CTreeGrid::IFloatControl*) override { Mischief(); }
    void FloatControlEditOptions(CTreeGrid::IFloatControl*, bool& movable, bool& left, bool& top, bool& right,
                                 bool& bottom) override
    {
        movable = left = top = right = bottom = true;
    }
    bool BeforeEdit(CTreeGrid::IFloatControl*) override { return Mischief() && Chance(90); }
    void NodeInserted(CTreeGrid::INode* node) override { m_nodes.Add(node); }
    void NodeRemoved(CTreeGrid::INode* node) override { m_nodes.Remove(node); }
    void NodesCleared() override { m_nodes.Clear(); }
    bool NodeMayRemove(CTreeGrid::INode*) override { return Chance(97); }
    bool NodesDragStart(std::vector<CTreeGrid::INode*>&) override { return Mischief() && Chance(80); }
    bool NodeDropTarget(CTreeGrid::INode*, CTreeGrid::INode*) override { return Mischief() && Chance(70); }
    void NodesDropped(std::vector<CTreeGrid::INode*>& nodes, CTreeGrid::INode* parent,
                      CTreeGrid::INode* after) override
    {
        if (Mischief() && Chance(50))
            for (CTreeGrid::INode* node : nodes)
                m_grid.MoveNodeTo(*node, parent, after);
    }
    void RowHeaderClick(CTreeGrid::INode*) override { Mischief(); }
    bool RowResizeStart(CTreeGrid::INode*) override { return Mischief() && Chance(80); }
    void CellDoubleClick(CTreeGrid::ICell*) override { Mischief(); }
    void CellClick(CTreeGrid::ICell*, bool, bool& handled) override { handled = Mischief() && Chance(5); }
    void CellRightClick(CTreeGrid::ICell*, bool, bool& handled) override
    {
        handled = Mischief() && Chance(5);
    }
    bool CellMaySelect(CTreeGrid::ICell*, bool) override { return Mischief() && Chance(90); }
    void HoverEntered(CTreeGrid::ICell*) override { Mischief(); }
    bool EditorMayOpen(CTreeGrid::IControl*) override { return Mischief() && Chance(90); }
    bool EditorMayClose(CTreeGrid::ICustomEdit*) override { return Chance(90); }
    bool EditorTextChanged(CTreeGrid::ICustomEdit*, std::wstring&) override
    {
        return Mischief() && Chance(90);
    }
    bool ValueCommitted(CTreeGrid::ICustomEdit*, std::wstring&) override { return Mischief() && Chance(90); }
    bool CheckMayChange(CTreeGrid::ICheckButton*, bool) override { return Mischief() && Chance(90); }

    unsigned long clears = 0;

private:
    bool Chance(unsigned percent) { return m_random() % 100 < percent; }

    // Always true: it reads as "and then".
    bool Mischief()
    {
        if (m_busy)
            return true;
        m_busy = true;
        unsigned const roll = m_random() % 10000;
        CTreeGrid::INode* const node = m_nodes.Pick(m_random);
        unsigned const columns = m_grid.GetColumnCount();
        if (roll < 200 && node != nullptr && columns > 0)
        {
            if (CTreeGrid::ICell* const cell = node->GetCell(m_grid.GetColumn(m_random() % columns)))
                cell->SetText(L"edited " + std::to_wstring(roll));
        }
        else if (roll < 300 && node != nullptr)
            m_grid.RemoveNode(*node);
        else if (roll < 400)
        {
            if (CTreeGrid::INode* const added = m_grid.AddNode(Chance(50) ? node : nullptr))
                added->SetHeight(18 + m_random() % 10);
        }
        else if (roll < 420)
            m_grid.InsertColumn(m_random() % (columns + 1), L"new", 40 + m_random() % 80);
        else if (roll < 440 && columns > 1)
            m_grid.RemoveColumn(m_grid.GetColumn(m_random() % columns));
        else if (roll < 450 && node != nullptr)
            node->SetExpanded(!node->IsExpanded());
        else if (roll < 452)
        {
            m_grid.Clear();
            ++clears;
        }
        m_busy = false;
        return true;
    }

    CTreeGrid& m_grid;
    NodeBag& m_nodes;
    std::mt19937& m_random;
    bool m_busy = false;
};

// A crash names where it happened (addresses in the library and this program, relative to their load
// addresses) and ends the run, instead of waiting for a debugger that a headless run does not have.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception)
{
    auto relative = [](void const* address)
    {
        HMODULE module = nullptr;
        char name[MAX_PATH] = "?";
        if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                   GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                               static_cast<char const*>(address), &module))
            GetModuleFileNameA(module, name, sizeof(name));
        std::printf("  %s+%#llx\n", std::strrchr(name, '\\') != nullptr ? std::strrchr(name, '\\') + 1 : name,
                    static_cast<unsigned long long>(static_cast<char const*>(address) -
                                                    reinterpret_cast<char const*>(module)));
    };
    std::printf("monkey: crash %#lx at\n", exception->ExceptionRecord->ExceptionCode);
    relative(exception->ExceptionRecord->ExceptionAddress);
    std::printf("monkey: return addresses on the stack:\n");
#ifdef _WIN64
    auto const* stack = reinterpret_cast<void* const*>(exception->ContextRecord->Rsp);
#else
    auto const* stack = reinterpret_cast<void* const*>(exception->ContextRecord->Esp);
#endif
    HMODULE const library = GetModuleHandleW(L"LumoCtrls.dll");
    for (int i = 0, shown = 0; i < 4096 && shown < 24; ++i)
    {
        HMODULE module = nullptr;
        if (stack[i] != nullptr &&
            GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                   GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                               static_cast<char const*>(stack[i]), &module) &&
            (module == library || module == GetModuleHandleW(nullptr)))
        {
            relative(stack[i]);
            ++shown;
        }
    }
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

class TreeGridMonkey : public testing::Test
{
protected:
    void SetUp() override { SetUnhandledExceptionFilter(&ReportCrash); }

    CTestParent m_parent{640, 480};
};

// 10^4 nodes: 1,000 top-level ones of 9 children each, every tenth expanded; five columns, the first
// two locked, every control kind somewhere; and a free float control.
void Populate(CTreeGrid& grid, NodeBag& nodes)
{
    // Without a handler, a node's styles and cells are made when first needed: the monkey grows a big
    // tree quickly, and the bag hears of the nodes here.
    CTreeGrid::CEventsHandler* const handler = grid.GetEventsHandler();
    grid.SetEventsHandler(nullptr);
    grid.SetLockedUpdate(true);
    while (grid.GetColumnCount() < kColumns)
        grid.InsertColumn(grid.GetColumnCount(), L"Column", 90);
    grid.SetTreeColumn(&grid.GetColumn(0));
    grid.LockColumnsUntil(&grid.GetColumn(1));
    for (int c = 0; c < kColumns; ++c)
        grid.GetColumn(c).GetCellStyle()->SetControlKind(1 + (c * 3) % kControlKinds);
    for (int top = 0; top < 1000; ++top)
    {
        CTreeGrid::INode* const parent = grid.AddNode(nullptr);
        nodes.Add(parent);
        for (int child = 0; child < 9; ++child)
            nodes.Add(grid.AddNode(parent));
        if (top % 10 == 0)
            parent->SetExpanded(true);
        if (top < 60) // every kind in a cell near the top
        {
            CTreeGrid::ICell* const cell = parent->GetCell(grid.GetColumn(top % kColumns));
            cell->SetText(L"cell " + std::to_wstring(top));
            cell->GetStyle()->SetControlKind(1 + top % kControlKinds);
            cell->SetTooltip(L"tip");
        }
    }
    if (grid.GetFloatControlCount() == 0)
        grid.CreateFloatControl(L"free", 300, 200, 80, 24, 0, 0);
    grid.SetLockedUpdate(false);
    grid.Refresh();
    grid.SetEventsHandler(handler);
}

void DrawEveryScrollBarState(HWND parent)
{
    for (DWORD style : {SBS_VERT, SBS_HORZ})
    {
        HWND const bar = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | style, 0, 0, 17,
                                         85, parent, nullptr, nullptr, nullptr);
        for (int position : {0, 50, 100})
        {
            SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, position, 0};
            SetScrollInfo(bar, SB_CTL, &info, TRUE);
            UpdateWindow(bar);
        }
        EnableScrollBar(bar, SB_CTL, ESB_DISABLE_BOTH);
        UpdateWindow(bar);
        DestroyWindow(bar);
    }
    PumpMessages();
}

// A column and a node dragged: the platform keeps what its drag images need (a background bitmap, cached
// contexts) for the process.
void DragOnce(HWND parent)
{
    CTreeGrid grid(CTreeGrid::LOOK_THEME);
    grid.Create(CWnd(parent));
    grid.Resize(RECT{0, 0, 600, 440});
    grid.Show(true);
    NodeBag nodes;
    Populate(grid, nodes);
    HWND const window = grid.GetWindow().GetHandle();
    RECT const header = grid.GetColumn(3).GetHeaderRect();
    RECT const cell = grid.GetTopVisibleNode()->GetCell(grid.GetColumn(0))->GetRect();
    auto drag = [&](POINT from, POINT to)
    {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y / 2));
        SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        PumpMessages();
    };
    drag(POINT{(header.left + header.right) / 2, (header.top + header.bottom) / 2}, POINT{20, 10});
    POINT const inCell{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inCell.x, inCell.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(inCell.x, inCell.y));
    drag(inCell, POINT{inCell.x, inCell.y + 100});
    grid.Destroy();
    PumpMessages();
}

// A tracking tooltip shown and hidden: the platform keeps the bitmaps it draws tooltips with.
void ShowATrackingTooltip(HWND parent)
{
    HWND const tooltip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                        0, 0, 0, parent, nullptr, nullptr, nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(parent);
    wchar_t text[] = L"cell 12";
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip, TTM_TRACKPOSITION, 0, MAKELPARAM(100, 100));
    SendMessageW(tooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    PumpMessages();
    SendMessageW(tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    DestroyWindow(tooltip);
    PumpMessages();
}

// The platform's themed controls (editors, lists, scroll bars, tooltips) load a part's images the first
// time they draw that part, and keep them for the process: every part of their classes is drawn once.
void DrawEveryThemePart(HWND window)
{
    HDC const screen = GetDC(window);
    HDC const memory = CreateCompatibleDC(screen);
    HBITMAP const bitmap = CreateCompatibleBitmap(screen, 64, 64);
    HGDIOBJ const saved = SelectObject(memory, bitmap);
    for (wchar_t const* name :
         {L"SCROLLBAR", L"EDIT", L"LISTBOX", L"LISTVIEW", L"TOOLTIP", L"COMBOBOX", L"SPIN", L"BUTTON",
          L"HEADER", L"WINDOW", L"STATUS", L"TRACKBAR", L"PROGRESS", L"TREEVIEW"})
        if (HTHEME const theme = OpenThemeData(window, name))
        {
            RECT const r{0, 0, 64, 64};
            for (int part = 0; part < 16; ++part)
                for (int state = 0; state < 24; ++state)
                    DrawThemeBackground(theme, memory, part, state, &r, nullptr);
            CloseThemeData(theme);
        }
    SelectObject(memory, saved);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
}

// The GDI objects of the process by type. Window contexts and regions are left out: the platform keeps a
// cache of window contexts, each with its regions, that grows to the most ever held at once, and which
// of them a run needs depends on its timing. What the library makes (bitmaps, brushes, pens, fonts,
// memory contexts) is counted exactly.
// Bitmaps are listed by size, so that a failure says what was left.
std::map<std::string, int> GdiObjectsByType()
{
    std::map<std::string, int> counts;
    for (UINT_PTR slot = 1; slot < 0x10000; ++slot)
    {
        auto const object = reinterpret_cast<HGDIOBJ>(slot);
        DWORD const type = GetObjectType(object);
        BITMAP bitmap{};
        if (type == OBJ_BITMAP && GetObjectW(object, sizeof(bitmap), &bitmap) != 0)
            ++counts["bitmap " + std::to_string(bitmap.bmWidth) + "x" + std::to_string(bitmap.bmHeight) +
                     "x" + std::to_string(bitmap.bmBitsPixel)];
        else if (type != 0 && type != OBJ_DC && type != OBJ_REGION)
            ++counts["type " + std::to_string(type)];
    }
    return counts;
}

void SetModifiers(bool shift, bool control)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(state);
}

// Runs the monkey on a fresh grid; false when the grid broke (the test has failed then).
bool RunMonkey(HWND parent, unsigned long messages, unsigned long seed)
{
    std::mt19937 random(seed);
    NodeBag nodes;
    CTreeGrid grid(CTreeGrid::LOOK_THEME);
    MonkeyHandler handler(grid, nodes, random);
    grid.Create(CWnd(parent));
    grid.Resize(RECT{0, 0, 600, 440});
    grid.Show(true);
    grid.SetStyle(CTreeGrid::STYLE_TYPE_AHEAD, true);
    grid.SetStyle(CTreeGrid::STYLE_EXPAND_BUTTONS, true);
    grid.SetEventsHandler(&handler);
    Populate(grid, nodes);
    HWND const window = grid.GetWindow().GetHandle();
    static UINT const keys[] = {VK_LEFT, VK_RIGHT, VK_UP,    VK_DOWN,   VK_PRIOR, VK_NEXT,   VK_HOME,
                                VK_END,  VK_BACK,  VK_SPACE, VK_ESCAPE, VK_F2,    VK_DELETE, VK_RETURN};
    bool intact = true;
    for (unsigned long i = 0; i < messages && intact; ++i)
    {
        if (nodes.Size() < 100)
            Populate(grid, nodes);
        bool const shift = random() % 8 == 0;
        bool const control = random() % 10 == 0;
        SetModifiers(shift, control);
        WPARAM const modifiers = (shift ? MK_SHIFT : 0) | (control ? MK_CONTROL : 0);
        LPARAM const point =
            MAKELPARAM(static_cast<int>(random() % 640) - 20, static_cast<int>(random() % 500) - 20);
        HWND const focus = GetFocus();
        HWND const target = focus != nullptr && random() % 3 == 0 ? focus : window; // an editor, sometimes
        unsigned const kind = random() % 100;
        if (kind < 40)
            SendMessageW(window, WM_MOUSEMOVE, modifiers | (random() % 2 != 0 ? MK_LBUTTON : 0), point);
        else if (kind < 52)
            SendMessageW(window, WM_LBUTTONDOWN, modifiers | MK_LBUTTON, point);
        else if (kind < 64)
            SendMessageW(window, WM_LBUTTONUP, modifiers, point);
        else if (kind < 67)
            SendMessageW(window, WM_LBUTTONDBLCLK, modifiers | MK_LBUTTON, point);
        else if (kind < 72)
            SendMessageW(window, random() % 2 != 0 ? WM_RBUTTONDOWN : WM_RBUTTONUP, modifiers, point);
        else if (kind < 76)
            SendMessageW(window, WM_MOUSEWHEEL,
                         MAKEWPARAM(modifiers, (static_cast<int>(random() % 5) - 2) * 120), point);
        else if (kind < 92)
            SendMessageW(target, WM_KEYDOWN, keys[random() % std::size(keys)], 1);
        else
            SendMessageW(target, WM_CHAR, L"+-ace1 "[random() % 7], 1);
        SetModifiers(false, false);
        if (i % 64 == 0)
            PumpMessages(); // paints, timers and posted messages too
        std::string const problem = grid.CheckConsistency();
        EXPECT_EQ(problem, "") << "message " << i << ", seed " << seed;
        intact = problem.empty();
    }
    std::printf("monkey: %lu clears, %zu nodes at the end\n", handler.clears, nodes.Size());
    grid.SetEventsHandler(nullptr);
    grid.Destroy();
    ReleaseCapture();
    PumpMessages();
    return intact;
}

TEST_F(TreeGridMonkey, RandomMessagesAndAMischievousHandlerNeverBreakTheGrid)
{
    unsigned long const messages = EnvironmentNumber("LUMO_MONKEY_MESSAGES", 10000);
    unsigned long const seed = EnvironmentNumber("LUMO_MONKEY_SEED", std::random_device{}());
    std::printf("monkey: %lu messages, seed %lu\n", messages, seed);
    // A first run makes what is made once per process (the class, the shared fonts, the imaging library's
    // objects), and so does the platform: Wine keeps bitmaps for scroll bars once it has drawn one of each
    // kind in each state, whichever run draws it first.
    ASSERT_TRUE(RunMonkey(m_parent, 2000, seed + 1));
    DrawEveryScrollBarState(m_parent);
    DragOnce(m_parent);
    ShowATrackingTooltip(m_parent);
    DrawEveryThemePart(m_parent);
    for (LPCWSTR cursor : {IDC_ARROW, IDC_HAND, IDC_IBEAM, IDC_HELP, IDC_NO, IDC_SIZEALL, IDC_SIZEWE,
                           IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW}) // the platform keeps a cursor once loaded
        LoadCursorW(nullptr, cursor);
    std::map<std::string, int> const gdiBefore = GdiObjectsByType();
    int const userBefore = CountGuiObjects().user;
    ASSERT_TRUE(RunMonkey(m_parent, messages, seed));
    EXPECT_EQ(GdiObjectsByType(), gdiBefore) << "GDI objects by type, seed " << seed;
    EXPECT_EQ(CountGuiObjects().user, userBefore) << "USER objects, seed " << seed;
}
} // namespace
