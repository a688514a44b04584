# hy_reports: page set-up, the chart pages, the two rainfall tables, the
# print-job hold, the renderer that draws a page on any DrawingSurface, the
# print job and whole jobs into PDF files. The printer's set-up and the print
# dialogs are in app/widgets.
add_library(hy_reports STATIC
  DailyYearTable.cpp DailyYearTable.h
  GraphPages.cpp GraphPages.h
  HourlyMonthTable.cpp HourlyMonthTable.h
  PageSetup.cpp PageSetup.h
  PdfFileOutput.cpp PdfFileOutput.h
  PrintJobHold.cpp PrintJobHold.h
  ReportPage.cpp ReportPage.h
  ReportPrintJob.cpp ReportPrintJob.h
  ReportRenderer.cpp ReportRenderer.h
  TablePrintFlow.cpp TablePrintFlow.h
  TablePrintSettings.cpp TablePrintSettings.h
  TableSnapshot.cpp TableSnapshot.h)
target_include_directories(hy_reports PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(hy_reports PUBLIC hy_recording hy_viewlogic)
