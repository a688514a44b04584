# The rain analysis window's printed pages as plain data (unit).
hy_add_test(analysis_pages_tests LABEL unit
  SOURCES RainAnalysisPagesTest.cpp
  LIBS hy_analysis_reports hy_docmodel_testing hy_test_support)
target_include_directories(analysis_pages_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/document)
