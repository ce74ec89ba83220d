skyrun_fuzz(spxfile azsprites)
target_include_directories(fuzz_spxfile PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
