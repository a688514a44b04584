# hy_viewlogic: the form's layout, texts and interval windows as plain code.
# hy_view: the form widget around the chart control.
add_library(hy_viewlogic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/IntervalWindows.cpp ${CMAKE_CURRENT_LIST_DIR}/IntervalWindows.h
  ${CMAKE_CURRENT_LIST_DIR}/ViewLayout.cpp ${CMAKE_CURRENT_LIST_DIR}/ViewLayout.h
  ${CMAKE_CURRENT_LIST_DIR}/ViewTexts.cpp ${CMAKE_CURRENT_LIST_DIR}/ViewTexts.h)
target_include_directories(hy_viewlogic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(hy_viewlogic PUBLIC hy_docmodel)

add_library(hy_view STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CHyetoscopeView.cpp ${CMAKE_CURRENT_LIST_DIR}/CHyetoscopeView.h)
set_target_properties(hy_view PROPERTIES AUTOMOC ON)
target_link_libraries(hy_view PUBLIC hy_viewlogic hy_chart Qt6::Widgets)
# The dialogs the view's commands open.
target_link_libraries(hy_view PUBLIC hy_export_ui)
