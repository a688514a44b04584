# hy_export: the text export as plain code - export
# lines into any byte string, the atomic file write, and the range choices of
# the export settings (used by the window and by the command-line tool).
add_library(hy_export STATIC
  ${CMAKE_CURRENT_LIST_DIR}/TextExport.cpp ${CMAKE_CURRENT_LIST_DIR}/TextExport.h
  ${CMAKE_CURRENT_LIST_DIR}/ExportRange.cpp ${CMAKE_CURRENT_LIST_DIR}/ExportRange.h)
target_include_directories(hy_export PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(hy_export PUBLIC hy_recording)

