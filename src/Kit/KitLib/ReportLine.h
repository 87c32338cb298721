// Where the base library writes the one-line reports of errors and displayed messages.
//
// By default a line goes to standard error (UTF-8) and, when a debug output is installed (LumoCtrls.dll
// installs the debugger's at load), to the debugger too. Nothing here ever waits for a user.
#pragma once

#include <string>

typedef void (*ReportLineSink)(wchar_t const* line);

// Writes one line through the installed sink.
void _WriteReportLine(std::wstring const& line);

// Replaces the sink (null puts back the default) and returns the previous one.
ReportLineSink _SetReportLineSink(ReportLineSink sink);

// The second destination of the default sink, such as the debugger; null for none.
ReportLineSink _SetDebugOutput(ReportLineSink output);
