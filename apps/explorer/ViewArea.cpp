#include "apps/explorer/ViewArea.h"

#include "analyzer/dataviews/DataViewInterface.h"
#include "analyzer/dataviews/TableViewInterface.h"
#include "apps/explorer/TableMarksLegend.h"

#include <QCoreApplication>
#include <QPainter>
#include <QVBoxLayout>

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
  ++m_titleCounts[view->title()];
  QWidget* page = pageFor(container, *view);
  m_views[page] = { container, view };
  const int index = addTab(page, title);
  if (m_deferCurrent > 0)
  {
    m_lastAdded = page;
    // Qt scans its whole queue of posted events for each new or deleted widget, and its list
    // of timers for each one a table restarts, so a queue and a list left to grow over many
    // added views made adding them take quadratic time. The user's input waits.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  else
    setCurrentIndex(index);
}

QWidget* ViewArea::pageFor(QWidget* container, const DataViewInterface& view)
{
  if (!dynamic_cast<const TableViewInterface*>(&view))
    return container;
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(container, 1);
  layout->addWidget(new TableMarksLegend(page));
  container->show();
  return page;
}

void ViewArea::removeView(const boost::shared_ptr<DataViewInterface>& view)
{
  for (auto entry = m_views.begin(); entry != m_views.end(); ++entry)
  {
    if (entry->second.view != view)
      continue;
    QWidget* page = entry->first;
    QWidget* container = entry->second.container;
    // Read before the entry goes: the caller's view may be the entry's own pointer.
    const std::string title = view->title();
    m_views.erase(entry);
    if (--m_titleCounts[title] == 0)
      m_titleCounts.erase(title);
    if (page == m_lastAdded)
      m_lastAdded = nullptr;
    removeTab(indexOf(page));
    container->hide();
    container->setParent(nullptr);
    if (page != container)
      delete page;
    return;
  }
}

void ViewArea::releaseAll()
{
  while (!m_views.empty())
    removeView(m_views.begin()->second.view);
}

ViewArea::DeferredCurrent::DeferredCurrent(ViewArea& area)
  : m_area(area)
{
  ++m_area.m_deferCurrent;
}

ViewArea::DeferredCurrent::~DeferredCurrent()
{
  if (--m_area.m_deferCurrent > 0 || !m_area.m_lastAdded)
    return;
  m_area.setCurrentWidget(m_area.m_lastAdded);
  m_area.m_lastAdded = nullptr;
}

boost::shared_ptr<DataViewInterface> ViewArea::currentView() const
{
  return viewAt(currentIndex());
}

bool ViewArea::showView(const boost::shared_ptr<DataViewInterface>& view)
{
  for (const auto& entry : m_views)
    if (entry.second.view == view)
    {
      setCurrentWidget(entry.first);
      return true;
    }
  return false;
}

boost::shared_ptr<DataViewInterface> ViewArea::viewAt(int index) const
{
  auto found = m_views.find(widget(index));
  return found == m_views.end() ? nullptr : found->second.view;
}

QWidget* ViewArea::containerOf(const boost::shared_ptr<DataViewInterface>& view) const
{
  for (const auto& entry : m_views)
    if (entry.second.view == view)
      return entry.second.container;
  return nullptr;
}

QString ViewArea::tabTitle(const DataViewInterface& view) const
{
  const std::string title = view.title();
  const auto sameTitle = m_titleCounts.find(title);
  if (sameTitle == m_titleCounts.end())
    return QString::fromStdString(title);
  return QStringLiteral("%1 %2").arg(QString::fromStdString(title)).arg(sameTitle->second + 1);
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
