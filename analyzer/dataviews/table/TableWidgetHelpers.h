#pragma once

class QTableView;
class QWidget;

/// Gives the parent a margin-free layout holding only the table.
void installTableInParent(QWidget& parent, QTableView& table);
/// Updates the widget while keeping both scroll positions, also when the update throws.
void renderKeepingScrollPositions(class vtkQtTableView& widget, QTableView& table);
