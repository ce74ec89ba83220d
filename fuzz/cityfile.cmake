# The city file reader is compiled straight into its target: it needs nothing of the game.
add_executable(fuzz_cityfile ${CMAKE_CURRENT_SOURCE_DIR}/cityfile.cpp ${PROJECT_SOURCE_DIR}/game/acts/GlCityFile.cpp)
target_include_directories(fuzz_cityfile PRIVATE ${PROJECT_SOURCE_DIR}/game/acts)
target_link_options(fuzz_cityfile PRIVATE -fsanitize=fuzzer)
