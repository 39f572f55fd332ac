# The store and rendering checks shared by the hostile-file test and the reader's fuzz target;
# whichever of the two is configured first defines the library.
include_guard(GLOBAL)
add_library(velundia_store_checks STATIC ${CMAKE_CURRENT_LIST_DIR}/StoreChecks.cpp)
target_include_directories(velundia_store_checks PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(velundia_store_checks PUBLIC velundia_view velundia_recording)
velundia_warnings(velundia_store_checks)
