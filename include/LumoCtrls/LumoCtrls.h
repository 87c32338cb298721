// Everything that LumoCtrls.dll exports. A host includes this one header and links LumoCtrls::LumoCtrls.
#pragma once

#include "LumoCtrls/Export.h"
#include "LumoCtrls/Types.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/LibraryMemory.h"
#include "LumoCtrls/ThemeColors.h"
#include "LumoCtrls/ColorNames.h"
#include "LumoCtrls/PropertyManager.h"
#if defined(_WIN32)
#include "LumoCtrls/SharedHandle.h"
#include "LumoCtrls/SharedPointer.h"
#include "LumoCtrls/ResourceTracker.h"
#include "LumoCtrls/StringWrapper.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/LibraryImages.h"
#include "LumoCtrls/LumoControls.h"
#include "LumoCtrls/LumoMenu.h"
#include "LumoCtrls/LumoImage.h"
#include "LumoCtrls/TreeGrid.h"
#include "LumoCtrls/Grid.h"
#include "LumoCtrls/Splitter.h"
#include "LumoCtrls/LumoHeader.h"
#include "LumoCtrls/LumoTab.h"
#include "LumoCtrls/ColorEditor.h"
#include "LumoCtrls/PropertyList.h"
#endif
