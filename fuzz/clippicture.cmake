# Helper for the clip-art picture fuzz targets: Qt Gui found here, since the fuzz build skips cards/.
# The picture sources are compiled once, into a library the three targets share.
include_guard(GLOBAL)
find_package(Qt6 QUIET COMPONENTS Gui)
if(Qt6Gui_FOUND)
    add_library(clippicture_fuzz STATIC
        ${PROJECT_SOURCE_DIR}/cards/compose/metafile/ClipPicture.cpp
        ${PROJECT_SOURCE_DIR}/cards/compose/metafile/DibImage.cpp
        ${PROJECT_SOURCE_DIR}/cards/compose/metafile/EmfPlayer.cpp
        ${PROJECT_SOURCE_DIR}/cards/compose/metafile/GdiContext.cpp
        ${PROJECT_SOURCE_DIR}/cards/compose/metafile/MetaBytes.cpp
        ${PROJECT_SOURCE_DIR}/cards/compose/metafile/WmfPlayer.cpp)
    target_include_directories(clippicture_fuzz PUBLIC ${PROJECT_SOURCE_DIR}/cards/compose ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(clippicture_fuzz PUBLIC Qt6::Gui)
endif()
function(clip_picture_fuzz name)
    if(NOT Qt6Gui_FOUND)
        message(STATUS "Qt 6 Gui not found: fuzz_${name} is not built")
        return()
    endif()
    skyrun_fuzz(${name} clippicture_fuzz)
endfunction()
