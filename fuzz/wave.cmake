skyrun_fuzz(wave vellum)
target_include_directories(fuzz_wave PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
