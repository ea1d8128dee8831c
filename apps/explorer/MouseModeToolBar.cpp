#include "apps/explorer/MouseModeToolBar.h"

#include "analyzer/dataviews/ResetViewVisitor.h"
#include "analyzer/dataviews/ViewResetRelevancy.h"

#include <QAction>
#include <QActionGroup>

namespace
{
const char* const modeNames[] = { "Select", "Pan", "Zoom", "Rotate" };
}

MouseModeToolBar::MouseModeToolBar(QWidget* parent)
  : QToolBar(QStringLiteral("Mouse Mode"), parent)
  , m_group(new QActionGroup(this))
{
  setObjectName(QStringLiteral("MouseModeToolBar"));
  for (int mode = DataViewInterface::Select; mode <= DataViewInterface::Rotate; ++mode)
  {
    QAction* action = addAction(QString::fromLatin1(modeNames[mode]));
    action->setCheckable(true);
    action->setData(mode);
    m_group->addAction(action);
    connect(action,
      &QAction::triggered,
      this,
      [this, mode]
      {
        if (m_mode)
          m_mode->setValue(static_cast<DataViewInterface::MouseMode>(mode));
      });
  }
  addSeparator();
  m_fit = addAction(QStringLiteral("Fit to Data"));
  connect(m_fit,
    &QAction::triggered,
    this,
    [this]
    {
      if (!m_view)
        return;
      ResetViewVisitor reset;
      m_view->accept(reset);
      m_view->render();
    });
  setView(nullptr);
}

void MouseModeToolBar::setView(const boost::shared_ptr<DataViewInterface>& view)
{
  m_connection.disconnect();
  m_mode = view ? view->mouseMode() : nullptr;
  setEnabled(static_cast<bool>(m_mode));
  ViewResetRelevancy relevancy;
  if (view)
    view->accept(relevancy);
  m_view = relevancy.viewCanReset() ? view : nullptr;
  m_fit->setEnabled(static_cast<bool>(m_view));
  if (!m_mode)
  {
    for (QAction* action : m_group->actions())
      action->setChecked(false);
    return;
  }
  // A chart cannot rotate: offer only the modes the view takes.
  for (QAction* action : m_group->actions())
    action->setEnabled(
      m_mode->validator()
        ->validate(static_cast<DataViewInterface::MouseMode>(action->data().toInt()))
        .isValid());
  m_connection = m_mode->signalValueChanged.connect(
    [this](DataViewInterface::MouseMode mode) { showMode(mode); });
  showMode(m_mode->value());
}

QAction* MouseModeToolBar::action(DataViewInterface::MouseMode mode) const
{
  return m_group->actions().value(static_cast<int>(mode));
}

void MouseModeToolBar::showMode(DataViewInterface::MouseMode mode)
{
  if (QAction* shown = action(mode))
    shown->setChecked(true);
}
