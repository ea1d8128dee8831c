#pragma once

#include <QHeaderView>

class QMenu;

/// The column header of the tabular views; its context menu deletes a variable. When first
/// shown it widens the columns whose header text or first cells do not fit.
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
  void showEvent(QShowEvent* event) override;
  virtual int columnAt(int position) const;
  virtual void populateContextMenu(QMenu& menu, const QString& columnName);

private:
  void fitSectionsOnce();

  QString m_columnName;
  bool m_fitted = false;
};
