# The high-score list from and to its file, with the backup of a damaged list.
skyrun_fuzz(highscorefile vellum azsprites)
target_sources(fuzz_highscorefile PRIVATE ${PROJECT_SOURCE_DIR}/game/scenes/GlHighScoreTable.cpp)
target_include_directories(fuzz_highscorefile PRIVATE ${PROJECT_SOURCE_DIR}/game/scenes ${CMAKE_CURRENT_SOURCE_DIR})
