# The globe's city list reader is built alone: it needs nothing of the game but the city entry.
skyrun_fuzz(citylist)
target_sources(fuzz_citylist PRIVATE ${PROJECT_SOURCE_DIR}/game/acts/GlCityListReader.cpp)
target_include_directories(fuzz_citylist PRIVATE ${PROJECT_SOURCE_DIR}/game/acts ${PROJECT_SOURCE_DIR}/game/shell)
