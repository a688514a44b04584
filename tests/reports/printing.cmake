# Printing: page set-up, chart pages and both rainfall tables as plain data
# (unit), drawn on the recording surface (unit) and printed to PDF through
# Qt's printer (gui), and a tool that prints every kind of page to PDF.
add_executable(hy-report-render-pdfs render_report_pdfs.cpp)
target_link_libraries(hy-report-render-pdfs PRIVATE hy_printing)
target_compile_definitions(hy-report-render-pdfs PRIVATE HY_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/samples")
