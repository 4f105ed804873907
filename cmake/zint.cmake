# zint, the barcode encoder behind the preview, as the target vx_zint.
# Natively it is Debian's libzint-dev. The cross build links the static
# library that scripts/build-zint-mingw.sh builds from Debian's source
# package of the same version (VX_ZINT_MINGW_DIR names its cache).
add_library(vx_zint INTERFACE)
if(CMAKE_CROSSCOMPILING)
    if(DEFINED ENV{XDG_CACHE_HOME})
        set(vx_cache_home $ENV{XDG_CACHE_HOME})
    else()
        set(vx_cache_home $ENV{HOME}/.cache)
    endif()
    set(VX_ZINT_MINGW_DIR ${vx_cache_home}/vxdrvfonttool/zint-mingw-2.11.1
        CACHE PATH "zint built for Windows (scripts/build-zint-mingw.sh)")
    if(NOT EXISTS ${VX_ZINT_MINGW_DIR}/lib/libzint-static.a)
        message(FATAL_ERROR "zint for Windows is missing in ${VX_ZINT_MINGW_DIR}: "
                            "run scripts/build-zint-mingw.sh first")
    endif()
    target_include_directories(vx_zint SYSTEM INTERFACE ${VX_ZINT_MINGW_DIR}/include)
    target_link_libraries(vx_zint INTERFACE ${VX_ZINT_MINGW_DIR}/lib/libzint-static.a)
else()
    find_path(VX_ZINT_INCLUDE_DIR zint.h REQUIRED)
    find_library(VX_ZINT_LIBRARY zint REQUIRED)
    target_include_directories(vx_zint SYSTEM INTERFACE ${VX_ZINT_INCLUDE_DIR})
    target_link_libraries(vx_zint INTERFACE ${VX_ZINT_LIBRARY})
endif()
