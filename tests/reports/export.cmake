hy_add_test(export_tests LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FormatEndTimeTest.cpp ${CMAKE_CURRENT_LIST_DIR}/TextExportTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ExportRangeTest.cpp
  LIBS hy_export hy_test_support)
target_include_directories(export_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/document)
