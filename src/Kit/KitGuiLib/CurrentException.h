// Reporting whatever exception is being handled, at the places where nothing may escape (window
// procedures, hooks): a CError reports itself through the installed reporter; anything else is written
// as one report line, "LumoCtrls: unexpected exception: <what>".
#pragma once

#include "LumoCtrls/Errors.h"
#include "LumoCtrls/Export.h"

#include <exception>

// Writes the report line of an exception that is not a CError; what is null for one of an unknown type.
LUMO_API void ReportUnexpectedException(char const* what) noexcept;

// Call only inside a catch handler. Inline, because the exception being handled belongs to the runtime of
// the module that caught it (each module links its own): it must be inspected there.
inline void ReportCurrentException() noexcept
{
    try
    {
        throw;
    }
    catch (CError const& error)
    {
        error.Report();
    }
    catch (std::exception const& exception)
    {
        ReportUnexpectedException(exception.what());
    }
    catch (...)
    {
        ReportUnexpectedException(nullptr);
    }
}
