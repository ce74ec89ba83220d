skyrun_fuzz(aiff vellum)
target_include_directories(fuzz_aiff PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
