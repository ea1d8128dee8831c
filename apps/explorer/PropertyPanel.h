#pragma once

#include <QWidget>
#include <boost/shared_ptr.hpp>

class DataViewInterface;
class QFormLayout;

/// Lists the settings of the current view, each with an editor for its value type.
class PropertyPanel : public QWidget
{
  Q_OBJECT

public:
  explicit PropertyPanel(QWidget* parent = nullptr);

  void showView(const boost::shared_ptr<DataViewInterface>& view);
  void clear();
  int rowCount() const;

private:
  QWidget* m_form = nullptr;
  QFormLayout* m_layout = nullptr;
};
