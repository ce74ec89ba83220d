# cardwright's DIB reader: the picture sources compiled straight into the target, with Qt Gui.
include(${CMAKE_CURRENT_SOURCE_DIR}/clippicture.cmake)
clip_picture_fuzz(dib)
