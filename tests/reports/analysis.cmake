# The rain analysis window: its printed pages as plain data (unit), the
# window itself against the command-line tool and the chart (gui), and a
# tool that writes its pages to PDF and a picture of the window.
hy_add_test(analysis_pages_tests LABEL unit
  SOURCES RainAnalysisPagesTest.cpp
  LIBS hy_analysis_reports hy_docmodel_testing hy_test_support)
target_include_directories(analysis_pages_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/docmodel)

hy_add_test(analysis_window_gui_tests LABEL gui
  SOURCES RainAnalysisWindowTest.cpp
  LIBS hy_widgets hy_docmodel_testing hy_cli_test_support Qt6::Test)
target_include_directories(analysis_window_gui_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/docmodel)
add_dependencies(analysis_window_gui_tests hyetoscope-cli)

add_executable(hy-analysis-render render_analysis.cpp)
target_link_libraries(hy-analysis-render PRIVATE hy_widgets)
target_compile_definitions(hy-analysis-render PRIVATE HY_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/samples")
target_include_directories(hy-analysis-render PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
