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

// The colour editor: the pop-up and its tab control, the page and its list, the tab texts; the
// property list's invalid-name message and its title.
#define IDS_INVALID_COLOR_TITLE 422
#define IDD_COLOR_EDITOR 8000
#define IDC_COLOR_TABS 8001
#define IDD_COLOR_PAGE 8002
#define IDC_COLOR_LIST 8003
#define IDS_COLOR_CUSTOM 8010
#define IDS_COLOR_WEB 8011
#define IDS_COLOR_STANDARD 8012
#define IDS_INVALID_COLOR_NAME 8128

// The property list: its toolbar strip and tooltips, its context menu and its description pane.
#define IDB_PROPERTY_TOOLBAR 511
#define IDS_PROPERTY_CATEGORIZED 423
#define IDS_PROPERTY_ALPHABETICAL 424
#define IDS_PROPERTY_SHOW_LINES 425
#define IDM_PROPERTY_CONTEXT 8000
#define IDM_PROPERTY_RESET 8001
#define IDM_PROPERTY_DESCRIPTION 8002
#define IDC_PROPERTY_DESCRIPTION 666

// The tab strip: its two buttons and their tooltips.
#define IDB_TAB_CLOSE 400
#define IDB_TAB_LIST 401
#define IDS_TAB_CLOSE 420
#define IDS_TAB_LIST 421
