# hy_chart: the rainfall bar chart. The plain computation (ChartGeometry,
# ChartTicks, ChartBand) sits beside the thin drawing layer (DrawingSurface*,
# ChartRenderer, ChartBitmaps) in one static library; Qt Gui, no widget (the
# chart control, GraphPlotCtrl, is in app/widgets).
set(_chart ${CMAKE_CURRENT_LIST_DIR})
add_library(hy_chart STATIC
  ${_chart}/ChartBand.cpp ${_chart}/ChartBand.h
  ${_chart}/ChartBitmaps.cpp ${_chart}/ChartBitmaps.h
  ${_chart}/ChartGeometry.cpp ${_chart}/ChartGeometry.h
  ${_chart}/ChartOverlayData.h
  ${_chart}/OverlayGeometry.cpp ${_chart}/OverlayGeometry.h
  ${_chart}/ChartPainter.cpp ${_chart}/ChartPainter.h
  ${_chart}/ChartPicture.cpp ${_chart}/ChartPicture.h
  ${_chart}/ChartRenderer.cpp ${_chart}/ChartRenderer.h
  ${_chart}/ChartScene.h
  ${_chart}/ChartTicks.cpp ${_chart}/ChartTicks.h
  ${_chart}/DrawingSurface.h
  ${_chart}/DrawingSurfaceQt.cpp ${_chart}/DrawingSurfaceQt.h
  ${_chart}/DrawingSurfaceRecorder.cpp ${_chart}/DrawingSurfaceRecorder.h
  ${_chart}/PixelPolyline.cpp ${_chart}/PixelPolyline.h
  ${_chart}/RasterTarget.cpp ${_chart}/RasterTarget.h)
target_include_directories(hy_chart PUBLIC ${_chart})
target_link_libraries(hy_chart PUBLIC Qt6::Gui hy_recording)
