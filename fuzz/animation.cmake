# The script reader is compiled in alone: it needs the media paths and the log, not the game.
skyrun_fuzz(animation vellum)
target_sources(fuzz_animation PRIVATE ${PROJECT_SOURCE_DIR}/game/scenes/GlAnimationReader.cpp)
target_include_directories(fuzz_animation PRIVATE ${PROJECT_SOURCE_DIR}/game/scenes)
