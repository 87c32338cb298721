// Identifiers of the resources in LumoCtrls.rc. Shared by the resource script and the C++ code.
#pragma once

// Strings: numbered messages shown through the display context.
#define IDS_INDEX_OUT_OF_RANGE 0
#define IDS_DISPLAY_CONTEXT_REFUSED 301

// Bitmaps: the tree grid's glyph strips.
#define IDB_EXPAND_BUTTONS 440
#define IDB_CHECK_GLYPHS 441
#define IDB_DROP_MARKERS 442
#define IDC_RESIZE_VERTICAL 100   // row heights, the column-header height
#define IDC_RESIZE_HORIZONTAL 101 // column widths, the row-header width
#define IDC_STYLE_CURSOR 102      // the styles' cursor 6

// The list grid: its empty text, context menu and editor accelerators.
#define IDS_GRID_EMPTY 800
#define IDM_GRID_CONTEXT 900
#define IDM_GRID_CUT 901
#define IDM_GRID_COPY 902
#define IDM_GRID_PASTE 903
#define IDA_GRID_EDITOR 1000
#define IDA_GRID_LINE_BREAK 1001
#define IDA_GRID_COPY 1002
#define IDA_GRID_CUT 1003
