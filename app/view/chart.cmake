# hy_chart: the rainfall bar chart. The plain computation (ChartGeometry,
# ChartTicks, ChartBand) sits beside the thin drawing layer (DrawingSurface*,
# ChartRenderer, ChartBitmaps, GraphPlotCtrl) in one static library.
add_library(hy_chart STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ChartBand.cpp ${CMAKE_CURRENT_LIST_DIR}/ChartBand.h
  ${CMAKE_CURRENT_LIST_DIR}/GraphPlotCtrl.cpp ${CMAKE_CURRENT_LIST_DIR}/GraphPlotCtrl.h)
set_target_properties(hy_chart PROPERTIES AUTOMOC ON)
target_include_directories(hy_chart PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(hy_chart PUBLIC Qt6::Widgets hy_document)
