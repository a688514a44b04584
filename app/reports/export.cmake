# hy_export: the text export as plain code - end-of-interval labels, export
# lines into any byte string, the atomic file write, and the range choices of
# the export settings (used by the window and by the command-line tool).
# hy_export_ui: the export settings dialog and the save-file dialog.
add_library(hy_export STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FormatEndTime.cpp ${CMAKE_CURRENT_LIST_DIR}/FormatEndTime.h
  ${CMAKE_CURRENT_LIST_DIR}/TextExport.cpp ${CMAKE_CURRENT_LIST_DIR}/TextExport.h
  ${CMAKE_CURRENT_LIST_DIR}/ExportRange.cpp ${CMAKE_CURRENT_LIST_DIR}/ExportRange.h)
target_include_directories(hy_export PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(hy_export PUBLIC hy_document)

if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/CTextSaveDlg.cpp)
  add_library(hy_export_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CTextSaveDlg.cpp ${CMAKE_CURRENT_LIST_DIR}/CTextSaveDlg.h)
  set_target_properties(hy_export_ui PROPERTIES AUTOMOC ON)
  target_link_libraries(hy_export_ui PUBLIC hy_export hy_document_ui Qt6::Widgets)
endif()
