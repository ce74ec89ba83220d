skyrun_fuzz(cdogg vellum_headless)
target_include_directories(fuzz_cdogg PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
