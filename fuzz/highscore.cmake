# The high-score list reader lives with the game's screens; only its file code is built here.
skyrun_fuzz(highscore vellum azsprites skycommon)
target_sources(fuzz_highscore PRIVATE ${PROJECT_SOURCE_DIR}/game/scenes/GlHighScoreTable.cpp)
target_include_directories(fuzz_highscore PRIVATE ${PROJECT_SOURCE_DIR}/game/scenes)
