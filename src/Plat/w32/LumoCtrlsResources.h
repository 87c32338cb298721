// Identifiers of the resources in LumoCtrls.rc. Shared by the resource script and the C++ code.
#pragma once

// Strings: numbered messages shown through the display context.
#define IDS_INDEX_OUT_OF_RANGE 0
#define IDS_DISPLAY_CONTEXT_REFUSED 301
