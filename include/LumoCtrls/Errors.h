// The error objects through which LumoCtrls reports every failure.
//
// A failed platform call, a failed allocation or a missing resource is thrown at once as one of the classes
// below, created by its static CreateAndThrow. Window procedures of the controls catch them as CError at the
// message boundary and call Report(); errors thrown by operations that the host calls directly reach the
// host, which catches them as CError by reference.
#pragma once

#include "LumoCtrls/Export.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class LUMO_API CError
{
public:
    // Receives every error that reports itself. The default writes Describe() as one line to standard
    // error and to the debugger; a host may install its own (a message box, its own log).
    typedef void (*Reporter)(CError const& error);

    virtual ~CError();

    // Hands this error to the installed reporter. Never throws and never blocks on user interface unless
    // the host's reporter does.
    virtual void Report() const;

    // One line: what failed, its code and the source location, e.g.
    // "RegisterClass failed with code 1410 [src/LumoControls/LumoControls:88]".
    std::wstring Describe() const;

    // What failed and its code, without the location. (Not GetMessage: <windows.h> makes that a macro.)
    virtual std::wstring GetText() const = 0;

    char const* GetSourcePath() const { return m_sourcePath; }
    int GetLine() const { return m_line; }

    // Installs a reporter and returns the previous one; null puts back the default.
    static Reporter SetReporter(Reporter reporter);

protected:
    CError(char const* sourcePath, int line);

private:
    char const* m_sourcePath; // a string literal: source paths are known at compile time
    int m_line;
};

// A platform call reported failure; the code is GetLastError read right after it.
class LUMO_API CWindowsApiFailed : public CError
{
public:
    [[noreturn]] static void CreateAndThrow(wchar_t const* operation, std::uint32_t code,
                                            char const* sourcePath, int line);

    std::wstring const& GetOperation() const { return m_operation; }
    std::uint32_t GetCode() const { return m_code; }
    std::wstring GetText() const override;

private:
    CWindowsApiFailed(wchar_t const* operation, std::uint32_t code, char const* sourcePath, int line);

    std::wstring m_operation;
    std::uint32_t m_code;
};

// A component call returned a failure code (negative).
class LUMO_API CComApiFailed : public CError
{
public:
    [[noreturn]] static void CreateAndThrow(wchar_t const* operation, std::int32_t result,
                                            char const* sourcePath, int line);

    std::wstring const& GetOperation() const { return m_operation; }
    std::int32_t GetResult() const { return m_result; }
    std::wstring GetText() const override;

private:
    CComApiFailed(wchar_t const* operation, std::int32_t result, char const* sourcePath, int line);

    std::wstring m_operation;
    std::int32_t m_result;
};

// An allocation returned null.
class LUMO_API COutOfMemory : public CError
{
public:
    [[noreturn]] static void CreateAndThrow(char const* sourcePath, int line);

    std::wstring GetText() const override;

private:
    COutOfMemory(char const* sourcePath, int line);
};

// Loading a resource by identifier failed. Type codes: 1 icon, 3 bitmap, 5 accelerator table, 6 menu,
// 7 cursor, 0 dialog template.
class LUMO_API CResourceNotFound : public CError
{
public:
    [[noreturn]] static void CreateAndThrow(void* module, std::uintptr_t resource, int type,
                                            char const* sourcePath, int line);

    void* GetModule() const { return m_module; }
    std::uintptr_t GetResource() const { return m_resource; }
    int GetType() const { return m_type; }
    std::wstring GetText() const override;

private:
    CResourceNotFound(void* module, std::uintptr_t resource, int type, char const* sourcePath, int line);

    void* m_module;
    std::uintptr_t m_resource;
    int m_type;
};

// A base-library service failed without an error code: opening a thesaurus (flag true), reading one of
// its items or converting a string (flag false).
class LUMO_API CUnknownError : public CError
{
public:
    [[noreturn]] static void CreateAndThrow(bool flag, char const* sourcePath, int line);

    bool GetFlag() const { return m_flag; }
    std::wstring GetText() const override;

private:
    CUnknownError(bool flag, char const* sourcePath, int line);

    bool m_flag;
};

// A numbered run-time message with its arguments. Raised in two steps, so that the call site reads
//     CRuntimeError::SetFileAndLine(__FILE__, __LINE__)(0, index);
// Message 0 is an index out of range; 62101 to 62103 are failures of the word processor's automation.
class LUMO_API CRuntimeError : public CError
{
public:
    class CRaiser
    {
    public:
        CRaiser(char const* sourcePath, int line) : m_sourcePath(sourcePath), m_line(line) {}

        template <class... Arguments>
        [[noreturn]] void operator()(unsigned message, Arguments const&... arguments) const
        {
            CRuntimeError::Throw(message, {ToArgument(arguments)...}, m_sourcePath, m_line);
        }

    private:
        static std::wstring ToArgument(std::wstring const& text) { return text; }
        static std::wstring ToArgument(wchar_t const* text) { return text ? text : L""; }
        static std::wstring ToArgument(long long number) { return std::to_wstring(number); }
        static std::wstring ToArgument(unsigned long long number) { return std::to_wstring(number); }
        static std::wstring ToArgument(int number) { return std::to_wstring(number); }
        static std::wstring ToArgument(unsigned number) { return std::to_wstring(number); }
        static std::wstring ToArgument(long number) { return std::to_wstring(number); }
        static std::wstring ToArgument(unsigned long number) { return std::to_wstring(number); }

        char const* m_sourcePath;
        int m_line;
    };

    static CRaiser SetFileAndLine(char const* sourcePath, int line) { return CRaiser(sourcePath, line); }

    unsigned GetMessageNumber() const { return m_message; }
    std::vector<std::wstring> const& GetArguments() const { return m_arguments; }
    std::wstring GetText() const override;

    [[noreturn]] static void Throw(unsigned message, std::vector<std::wstring> arguments,
                                   char const* sourcePath, int line);

private:
    CRuntimeError(unsigned message, std::vector<std::wstring> arguments, char const* sourcePath, int line);

    unsigned m_message;
    std::vector<std::wstring> m_arguments;
};
