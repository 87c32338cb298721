# Helpers that keep the portable/Win32 split in one place.

# lumo_collect_sources(<out-var> PORTABLE|W32 <dir>...): the .cpp files below the given directories
# that belong to one layer. A file is Win32 code exactly when its path holds a directory named "w32";
# everything else is portable and is compiled by the native build too, which is what proves that it
# includes no Windows header.
function(lumo_collect_sources out_var layer)
    set(result "")
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS "${dir}/*.cpp")
        foreach(file IN LISTS found)
            if(file MATCHES "/w32/")
                set(file_layer W32)
            else()
                set(file_layer PORTABLE)
            endif()
            if(file_layer STREQUAL layer)
                list(APPEND result "${file}")
            endif()
        endforeach()
    endforeach()
    set(${out_var} "${result}" PARENT_SCOPE)
endfunction()

# lumo_add_part(<name> <source>...): one static part of LumoCtrls.dll. The sources are compiled once,
# as an object library <name>Objects that the DLL takes whole (so every exported symbol of the part is
# exported, referenced or not), and packed as the static library <name> for code that links the part
# directly, such as the native tests. The part is compiled as if it were the DLL (LUMOCTRLS_BUILDING:
# exported symbols carry dllexport); whoever links the static library sees plain declarations
# (LUMOCTRLS_STATIC).
function(lumo_add_part name)
    add_library(${name}Objects OBJECT ${ARGN})
    add_library(${name} STATIC $<TARGET_OBJECTS:${name}Objects>)
    foreach(target ${name}Objects ${name})
        target_include_directories(${target} PUBLIC
            $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
            $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>)
        if(WIN32)
            target_compile_definitions(${target} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                        _WIN32_WINNT=0x0601)
        endif()
    endforeach()
    target_compile_definitions(${name}Objects PRIVATE LUMOCTRLS_BUILDING)
    target_compile_definitions(${name} INTERFACE LUMOCTRLS_STATIC)
endfunction()
