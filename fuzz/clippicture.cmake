# Helper for the clip-art picture fuzz targets: Qt Gui found here, since the fuzz build skips cards/.
include_guard(GLOBAL)
find_package(Qt6 QUIET COMPONENTS Gui)
set(CLIP_PICTURE_SOURCES
    ${PROJECT_SOURCE_DIR}/cards/compose/metafile/ClipPicture.cpp
    ${PROJECT_SOURCE_DIR}/cards/compose/metafile/DibImage.cpp
    ${PROJECT_SOURCE_DIR}/cards/compose/metafile/EmfPlayer.cpp
    ${PROJECT_SOURCE_DIR}/cards/compose/metafile/GdiContext.cpp
    ${PROJECT_SOURCE_DIR}/cards/compose/metafile/MetaBytes.cpp
    ${PROJECT_SOURCE_DIR}/cards/compose/metafile/WmfPlayer.cpp)
function(clip_picture_fuzz name)
    if(NOT Qt6Gui_FOUND)
        message(STATUS "Qt 6 Gui not found: fuzz_${name} is not built")
        return()
    endif()
    skyrun_fuzz(${name} Qt6::Gui)
    target_sources(fuzz_${name} PRIVATE ${CLIP_PICTURE_SOURCES})
    target_include_directories(fuzz_${name} PRIVATE ${PROJECT_SOURCE_DIR}/cards/compose ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
