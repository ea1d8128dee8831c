#include "analyzer/dataviews/image/KeyPressHandlingWidget.h"

#include <QKeyEvent>

KeyPressHandlingWidget::KeyPressHandlingWidget(std::function<void()> removeSelected,
  QWidget* parent)
  : QWidget(parent)
  , m_removeSelected(std::move(removeSelected))
{
}

namespace
{

bool isRemovalKey(const QKeyEvent& event)
{
  return event.key() == Qt::Key_Delete || event.key() == Qt::Key_Backspace;
}

} // namespace

void KeyPressHandlingWidget::watch(QWidget& widget)
{
  widget.installEventFilter(this);
}

void KeyPressHandlingWidget::keyPressEvent(QKeyEvent* event)
{
  if (isRemovalKey(*event))
    m_removeSelected();
  event->accept();
}

bool KeyPressHandlingWidget::eventFilter(QObject*, QEvent* event)
{
  if (event->type() != QEvent::KeyPress || !isRemovalKey(static_cast<QKeyEvent&>(*event)))
    return false;
  m_removeSelected();
  return true;
}
