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
