# All modules share one C++ runtime (libstdc++, libgcc, winpthread) as DLLs over the
# system C runtime, so memory and strings allocated in one module can be freed in another.
set(VELL_RUNTIME_DLLS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE _vell_stdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(_vell_gcc_dir ${_vell_stdcxx} DIRECTORY)
file(MAKE_DIRECTORY ${VELL_BIN_DIR})
foreach(dll ${VELL_RUNTIME_DLLS})
    find_file(_vell_dll_${dll} ${dll}
              PATHS ${_vell_gcc_dir} /usr/x86_64-w64-mingw32/lib
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT _vell_dll_${dll})
        message(FATAL_ERROR "Runtime DLL ${dll} not found")
    endif()
    file(COPY ${_vell_dll_${dll}} DESTINATION ${VELL_BIN_DIR})
endforeach()
