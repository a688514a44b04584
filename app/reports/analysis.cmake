# hy_analysis_reports: what the rain analysis window shows, its settings and
# its printed pages and their print job, over the analysis library; the
# window is in app/widgets.
add_library(hy_analysis_reports STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AnalysisPrintJob.cpp ${CMAKE_CURRENT_LIST_DIR}/AnalysisPrintJob.h
  ${CMAKE_CURRENT_LIST_DIR}/RainAnalysisPages.cpp ${CMAKE_CURRENT_LIST_DIR}/RainAnalysisPages.h
  ${CMAKE_CURRENT_LIST_DIR}/RainAnalysisResults.cpp ${CMAKE_CURRENT_LIST_DIR}/RainAnalysisResults.h
  ${CMAKE_CURRENT_LIST_DIR}/RainAnalysisSettings.cpp ${CMAKE_CURRENT_LIST_DIR}/RainAnalysisSettings.h)
target_include_directories(hy_analysis_reports PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(hy_analysis_reports PUBLIC hy_reports hy_analysis_recording)
