# The credits reader lives with the game's screens; only its own file is built here.
skyrun_fuzz(credits vellum azsprites)
target_sources(fuzz_credits PRIVATE ${PROJECT_SOURCE_DIR}/game/scenes/GlCredits.cpp)
target_include_directories(fuzz_credits PRIVATE ${PROJECT_SOURCE_DIR}/game/scenes ${CMAKE_CURRENT_SOURCE_DIR})
