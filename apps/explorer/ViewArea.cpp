#include "apps/explorer/ViewArea.h"

#include "analyzer/dataviews/DataViewInterface.h"

#include <QPainter>

ViewArea::ViewArea(QWidget* parent)
  : QTabWidget(parent)
{
  setDocumentMode(true);
  setMovable(true);
  connect(this, &QTabWidget::currentChanged, this, &ViewArea::currentViewChanged);
}

ViewArea::~ViewArea()
{
  releaseAll();
}

void ViewArea::addView(QWidget* container, const boost::shared_ptr<DataViewInterface>& view)
{
  if (!container)
    return;
  const QString title = tabTitle(*view);
  m_views[container] = view;
  setCurrentIndex(addTab(container, title));
}

void ViewArea::removeView(const boost::shared_ptr<DataViewInterface>& view)
{
  for (auto entry = m_views.begin(); entry != m_views.end(); ++entry)
  {
    if (entry->second != view)
      continue;
    QWidget* container = entry->first;
    m_views.erase(entry);
    removeTab(indexOf(container));
    container->hide();
    container->setParent(nullptr);
    return;
  }
}

void ViewArea::releaseAll()
{
  while (!m_views.empty())
    removeView(m_views.begin()->second);
}

boost::shared_ptr<DataViewInterface> ViewArea::currentView() const
{
  return viewAt(currentIndex());
}

boost::shared_ptr<DataViewInterface> ViewArea::viewAt(int index) const
{
  auto found = m_views.find(widget(index));
  return found == m_views.end() ? nullptr : found->second;
}

QWidget* ViewArea::containerOf(const boost::shared_ptr<DataViewInterface>& view) const
{
  for (const auto& entry : m_views)
    if (entry.second == view)
      return entry.first;
  return nullptr;
}

QString ViewArea::tabTitle(const DataViewInterface& view) const
{
  const QString title = QString::fromStdString(view.title());
  int sameTitle = 0;
  for (const auto& entry : m_views)
    sameTitle += entry.second->title() == view.title();
  return sameTitle == 0 ? title : QStringLiteral("%1 %2").arg(title).arg(sameTitle + 1);
}

void ViewArea::paintEvent(QPaintEvent* event)
{
  QTabWidget::paintEvent(event);
  if (count() != 0)
    return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
  painter.drawText(
    rect(), Qt::AlignCenter, QStringLiteral("No views are open. Add one from the View menu."));
}
