#include "LumoCtrls/Errors.h"

#include "Kit/KitLib/ReportLine.h"
#include "Kit/KitLib/WideString.h"

#include <cstdio>

namespace
{
void ReportAsLine(CError const& error)
{
    _WriteReportLine(L"LumoCtrls: " + error.Describe());
}

CError::Reporter g_reporter = &ReportAsLine;

std::wstring Hex(unsigned long long value)
{
    wchar_t buffer[24];
    std::swprintf(buffer, 24, L"0x%llX", value);
    return buffer;
}
} // namespace

// --- CError

CError::CError(char const* sourcePath, int line) : m_sourcePath(sourcePath), m_line(line) {}

CError::~CError() = default;

void CError::Report() const
{
    try
    {
        g_reporter(*this);
    }
    catch (...)
    {
        // Reporting happens inside catch handlers at message boundaries; a failing reporter must not
        // turn one error into a crash.
    }
}

std::wstring CError::Describe() const
{
    return GetText() + L" [" + _WidenAscii(m_sourcePath) + L":" + std::to_wstring(m_line) + L"]";
}

CError::Reporter CError::SetReporter(Reporter reporter)
{
    Reporter const previous = g_reporter;
    g_reporter = reporter != nullptr ? reporter : &ReportAsLine;
    return previous == &ReportAsLine ? nullptr : previous;
}

// --- CWindowsApiFailed

CWindowsApiFailed::CWindowsApiFailed(wchar_t const* operation, std::uint32_t code, char const* sourcePath,
                                     int line)
    : CError(sourcePath, line), m_operation(operation ? operation : L""), m_code(code)
{
}

void CWindowsApiFailed::CreateAndThrow(wchar_t const* operation, std::uint32_t code, char const* sourcePath,
                                       int line)
{
    throw CWindowsApiFailed(operation, code, sourcePath, line);
}

std::wstring CWindowsApiFailed::GetText() const
{
    return m_operation + L" failed with code " + std::to_wstring(m_code);
}

// --- CComApiFailed

CComApiFailed::CComApiFailed(wchar_t const* operation, std::int32_t result, char const* sourcePath, int line)
    : CError(sourcePath, line), m_operation(operation ? operation : L""), m_result(result)
{
}

void CComApiFailed::CreateAndThrow(wchar_t const* operation, std::int32_t result, char const* sourcePath,
                                   int line)
{
    throw CComApiFailed(operation, result, sourcePath, line);
}

std::wstring CComApiFailed::GetText() const
{
    return m_operation + L" failed with result " + Hex(static_cast<std::uint32_t>(m_result));
}

// --- COutOfMemory

COutOfMemory::COutOfMemory(char const* sourcePath, int line) : CError(sourcePath, line) {}

void COutOfMemory::CreateAndThrow(char const* sourcePath, int line)
{
    throw COutOfMemory(sourcePath, line);
}

std::wstring COutOfMemory::GetText() const
{
    return L"out of memory";
}

// --- CResourceNotFound

CResourceNotFound::CResourceNotFound(void* module, std::uintptr_t resource, int type, char const* sourcePath,
                                     int line)
    : CError(sourcePath, line), m_module(module), m_resource(resource), m_type(type)
{
}

void CResourceNotFound::CreateAndThrow(void* module, std::uintptr_t resource, int type,
                                       char const* sourcePath, int line)
{
    throw CResourceNotFound(module, resource, type, sourcePath, line);
}

std::wstring CResourceNotFound::GetText() const
{
    return L"resource " + std::to_wstring(m_resource) + L" of type " + std::to_wstring(m_type) +
           L" not found in module " + Hex(reinterpret_cast<std::uintptr_t>(m_module));
}

// --- CUnknownError

CUnknownError::CUnknownError(bool flag, char const* sourcePath, int line)
    : CError(sourcePath, line), m_flag(flag)
{
}

void CUnknownError::CreateAndThrow(bool flag, char const* sourcePath, int line)
{
    throw CUnknownError(flag, sourcePath, line);
}

std::wstring CUnknownError::GetText() const
{
    return m_flag ? L"a base-library resource could not be opened" : L"a base-library service failed";
}

// --- CRuntimeError

CRuntimeError::CRuntimeError(unsigned message, std::vector<std::wstring> arguments, char const* sourcePath,
                             int line)
    : CError(sourcePath, line), m_message(message), m_arguments(std::move(arguments))
{
}

void CRuntimeError::Throw(unsigned message, std::vector<std::wstring> arguments, char const* sourcePath,
                          int line)
{
    throw CRuntimeError(message, std::move(arguments), sourcePath, line);
}

std::wstring CRuntimeError::GetText() const
{
    std::wstring text = L"run-time error " + std::to_wstring(m_message);
    if (m_message == 0)
        text += L" (index out of range)";
    for (std::size_t i = 0; i < m_arguments.size(); ++i)
        text += (i == 0 ? L": " : L", ") + m_arguments[i];
    return text;
}
