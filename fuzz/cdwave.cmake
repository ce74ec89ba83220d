# The headless CD output reads the track files' headers to know how long each plays.
skyrun_fuzz(cdwave vellum_headless)
target_include_directories(fuzz_cdwave PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
