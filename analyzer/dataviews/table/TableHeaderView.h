#pragma once

#include <QHeaderView>

class QMenu;

/// The column header of the tabular views; its context menu deletes a variable.
class TableHeaderView : public QHeaderView
{
  Q_OBJECT

public:
  explicit TableHeaderView(QWidget* parent = nullptr);

  const QString& menuColumnName() const { return m_columnName; }

public Q_SLOTS:
  /// Erases the variable of the column whose menu was opened last, as one undo step.
  void deleteVariable();

protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  virtual int columnAt(int position) const;
  virtual void populateContextMenu(QMenu& menu, const QString& columnName);

private:
  QString m_columnName;
};
