# The virtual drive's scan of the disc folder, with the headless output timing what it plays.
skyrun_fuzz(cddisc skycommon vellum_headless)
target_include_directories(fuzz_cddisc PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
