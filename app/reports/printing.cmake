# hy_reports: page set-up, the chart pages, the two rainfall tables and the
# print-job hold as plain code (no Qt). hy_printing: drawing them on a
# printer, PDF or preview, and the table print settings dialog.
add_library(hy_reports STATIC
  DailyYearTable.cpp DailyYearTable.h
  GraphPages.cpp GraphPages.h
  HourlyMonthTable.cpp HourlyMonthTable.h
  PageSetup.cpp PageSetup.h
  PrintJobHold.cpp PrintJobHold.h
  ReportPage.cpp ReportPage.h
  TablePrintFlow.cpp TablePrintFlow.h
  TablePrintSettings.cpp TablePrintSettings.h
  TableSnapshot.cpp TableSnapshot.h)
target_include_directories(hy_reports PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(hy_reports PUBLIC hy_document hy_viewlogic)

add_library(hy_printing STATIC
  ReportPrintJob.cpp ReportPrintJob.h
  ReportRenderer.cpp ReportRenderer.h)
target_link_libraries(hy_printing PUBLIC hy_reports hy_chart Qt6::PrintSupport Qt6::Widgets)

# hy_printui: the print commands of the view and the table print settings
# dialog.
add_library(hy_printui STATIC
  CPrintCommands.cpp CPrintCommands.h
  CTablePrintDlg.cpp CTablePrintDlg.h)
set_target_properties(hy_printui PROPERTIES AUTOMOC ON)
target_link_libraries(hy_printui PUBLIC hy_printing hy_docmodel)
