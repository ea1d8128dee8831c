#pragma once

#include "analyzer/dataviews/DataViewInterface.h"

#include <QToolBar>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>

class QAction;
class QActionGroup;

/// The mouse modes of the current plotting view (Select, Pan, Zoom, Rotate), kept in step with
/// the view's mouse-mode setting both ways, and Fit to Data. Disabled for views without modes.
class MouseModeToolBar : public QToolBar
{
  Q_OBJECT

public:
  explicit MouseModeToolBar(QWidget* parent = nullptr);

  void setView(const boost::shared_ptr<DataViewInterface>& view);
  QAction* action(DataViewInterface::MouseMode mode) const;
  QAction* fitAction() const { return m_fit; }

private:
  void showMode(DataViewInterface::MouseMode mode);

  QActionGroup* m_group;
  QAction* m_fit;
  boost::shared_ptr<DataViewInterface> m_view;
  boost::shared_ptr<vantor::PropertyAbstract<DataViewInterface::MouseMode>> m_mode;
  boost::signals2::scoped_connection m_connection;
};
