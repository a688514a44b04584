# Printing: page set-up, chart pages and both rainfall tables as plain data
# (unit), drawn on the recording surface (unit) and printed to PDF through
# Qt's printer (gui), and a tool that prints every kind of page to PDF.
add_executable(hy-report-render-pdfs render_report_pdfs.cpp)
target_link_libraries(hy-report-render-pdfs PRIVATE hy_widgets)
target_compile_definitions(hy-report-render-pdfs PRIVATE HY_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/samples")

hy_add_test(reports_unit_tests LABEL unit
  SOURCES PageSetupTest.cpp GraphPagesTest.cpp HourlyMonthTableTest.cpp DailyYearTableTest.cpp
  LIBS hy_reports hy_test_support)

hy_add_test(reports_gui_tests LABEL gui
  SOURCES PrintPdfTest.cpp
  LIBS hy_widgets hy_test_support)

hy_add_test(reports_flow_tests LABEL unit
  SOURCES TablePrintFlowTest.cpp
  LIBS hy_reports hy_docmodel_testing hy_test_support)
