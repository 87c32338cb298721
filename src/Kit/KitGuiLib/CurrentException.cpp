#include "Kit/KitGuiLib/CurrentException.h"

#include "Kit/KitLib/ReportLine.h"
#include "Kit/KitLib/WideString.h"

void ReportUnexpectedException(char const* what) noexcept
{
    try
    {
        _WriteReportLine(what != nullptr ? L"LumoCtrls: unexpected exception: " + _WidenAscii(what)
                                         : L"LumoCtrls: unexpected exception of an unknown type");
    }
    catch (...)
    {
        // Composing the line itself failed (no memory left): there is nothing more to be done.
    }
}
