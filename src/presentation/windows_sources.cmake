# Graph titles, graph-window and result-table-window frames and their dialogs (zelui).
zel_sources(zelui
)
