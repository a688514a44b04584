# hy_viewlogic: the form's layout, texts, interval windows, zoom history,
# window arithmetic, cursors, statistics and scale checks as plain code (the
# form widget around the chart control is in app/widgets).
add_library(hy_viewlogic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RememberedSpans.cpp ${CMAKE_CURRENT_LIST_DIR}/RememberedSpans.h
  ${CMAKE_CURRENT_LIST_DIR}/ViewTexts.cpp ${CMAKE_CURRENT_LIST_DIR}/ViewTexts.h
  ${CMAKE_CURRENT_LIST_DIR}/ZoomHistory.cpp ${CMAKE_CURRENT_LIST_DIR}/ZoomHistory.h
  ${CMAKE_CURRENT_LIST_DIR}/ChartNavigation.cpp ${CMAKE_CURRENT_LIST_DIR}/ChartNavigation.h
  ${CMAKE_CURRENT_LIST_DIR}/CursorState.cpp ${CMAKE_CURRENT_LIST_DIR}/CursorState.h
  ${CMAKE_CURRENT_LIST_DIR}/CursorStatistics.cpp ${CMAKE_CURRENT_LIST_DIR}/CursorStatistics.h
  ${CMAKE_CURRENT_LIST_DIR}/ScaleSettings.cpp ${CMAKE_CURRENT_LIST_DIR}/ScaleSettings.h)
target_include_directories(hy_viewlogic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
# ChartTicks (bar lengths, local-time texts) comes from the chart library.
target_link_libraries(hy_viewlogic PUBLIC hy_docmodel hy_chart)

