# The PDF export of a long plan against Qt's own PDF writer painting the same
# pages, and the HTML, spreadsheet and RTF exports of the same plan.
fundorix_add_bench(export_bench
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/export_bench.cpp
    LIBS fundorix_export_pdf fundorix_export_html fundorix_export_xls fundorix_export_rtf fundorix_plan_source fundorix_form fundorix_chart_binding fundorix_plans
        fundorix_report_engine fundorix_report_store Qt6::Gui Qt6::Widgets)
