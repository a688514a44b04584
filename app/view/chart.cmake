# hy_chart_scene: the rainfall bar chart as plain computation and drawing
# calls (ChartGeometry, ChartTicks, ChartBand, OverlayGeometry, the
# DrawingSurface interface, ChartRenderer, PixelPolyline) and the form's
# layout (ViewLayout, which places the chart in the window and in pictures),
# and a picture of few colours to draw into (PaletteCanvas). No Qt Gui.
set(_chart ${CMAKE_CURRENT_LIST_DIR})
add_library(hy_chart_scene STATIC
  ${_chart}/ChartBand.cpp ${_chart}/ChartBand.h
  ${_chart}/ChartGeometry.cpp ${_chart}/ChartGeometry.h
  ${_chart}/ChartOverlayData.h
  ${_chart}/OverlayGeometry.cpp ${_chart}/OverlayGeometry.h
  ${_chart}/PaletteCanvas.cpp ${_chart}/PaletteCanvas.h ${_chart}/PaletteMap.h
  ${_chart}/ChartRenderer.cpp ${_chart}/ChartRenderer.h
  ${_chart}/ChartScene.h
  ${_chart}/ChartTicks.cpp ${_chart}/ChartTicks.h
  ${_chart}/DrawingSurface.h
  ${_chart}/DrawingSurfaceRecorder.cpp ${_chart}/DrawingSurfaceRecorder.h
  ${_chart}/PixelPolyline.cpp ${_chart}/PixelPolyline.h
  ${_chart}/ViewLayout.cpp ${_chart}/ViewLayout.h)
target_include_directories(hy_chart_scene PUBLIC ${_chart})
target_link_libraries(hy_chart_scene PUBLIC hy_recording)

# hy_chart_raster: the chart drawn into plain 32-bit pixels without Qt Gui,
# its labels set by fontconfig, FreeType and HarfBuzz the way Qt sets them
# (RasterFont), for command lines that should not load Qt Gui.
find_package(PkgConfig REQUIRED)
pkg_check_modules(HY_FONT_LIBS REQUIRED IMPORTED_TARGET fontconfig freetype2 harfbuzz)
add_library(hy_chart_raster STATIC
  ${_chart}/DrawingSurfaceRaster.cpp ${_chart}/DrawingSurfaceRaster.h
  ${_chart}/RasterFont.cpp ${_chart}/RasterFont.h)
target_link_libraries(hy_chart_raster PUBLIC hy_chart_scene PRIVATE PkgConfig::HY_FONT_LIBS)

# hy_chart: the chart on a QPainter (screen, pictures, PDF, printers):
# DrawingSurfaceQt, ChartPainter, ChartPicture, ChartBitmaps. Qt Gui, no
# widget (the chart control, GraphPlotCtrl, is in app/widgets).
add_library(hy_chart STATIC
  ${_chart}/ChartBitmaps.cpp ${_chart}/ChartBitmaps.h
  ${_chart}/ChartPainter.cpp ${_chart}/ChartPainter.h
  ${_chart}/ChartPicture.cpp ${_chart}/ChartPicture.h
  ${_chart}/DrawingSurfaceQt.cpp ${_chart}/DrawingSurfaceQt.h
  ${_chart}/RasterTarget.cpp ${_chart}/RasterTarget.h)
target_include_directories(hy_chart PUBLIC ${_chart})
target_link_libraries(hy_chart PUBLIC Qt6::Gui hy_chart_scene)
