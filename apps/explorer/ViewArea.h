#pragma once

#include <QTabWidget>
#include <boost/shared_ptr.hpp>
#include <map>
#include <string>

class DataViewInterface;

/// The tabs of the open views. The container widgets belong to the view manager: a tab that
/// goes away hands its widget back unparented instead of deleting it. A table's tab shows a key
/// to the marks it draws below it.
class ViewArea : public QTabWidget
{
  Q_OBJECT

public:
  explicit ViewArea(QWidget* parent = nullptr);
  ~ViewArea() override;

  void addView(QWidget* container, const boost::shared_ptr<DataViewInterface>& view);
  void removeView(const boost::shared_ptr<DataViewInterface>& view);
  /// Unparents every container, for when the manager is about to delete them.
  void releaseAll();

  boost::shared_ptr<DataViewInterface> currentView() const;
  /// Makes the view's tab the current one; false when the area does not hold the view.
  bool showView(const boost::shared_ptr<DataViewInterface>& view);
  boost::shared_ptr<DataViewInterface> viewAt(int index) const;
  /// The container of a view shown in a tab, or null.
  QWidget* containerOf(const boost::shared_ptr<DataViewInterface>& view) const;

  /// While one lives, added views do not each become the current tab: switching pages visits
  /// the widgets of every page, which made adding many views take quadratic time. The last one
  /// added becomes current when it ends.
  class DeferredCurrent
  {
  public:
    explicit DeferredCurrent(ViewArea& area);
    ~DeferredCurrent();
    DeferredCurrent(const DeferredCurrent&) = delete;
    DeferredCurrent& operator=(const DeferredCurrent&) = delete;

  private:
    ViewArea& m_area;
  };

Q_SIGNALS:
  void currentViewChanged();

protected:
  /// Without views, says how to add one.
  void paintEvent(QPaintEvent* event) override;

private:
  /// The view's title, numbered when another tab already has it.
  QString tabTitle(const DataViewInterface& view) const;

  struct Entry
  {
    QWidget* container;
    boost::shared_ptr<DataViewInterface> view;
  };

  /// The widget in the tab: the container, or a page of the container above a key.
  QWidget* pageFor(QWidget* container, const DataViewInterface& view);

  /// By the widget in the tab.
  std::map<QWidget*, Entry> m_views;
  /// How many tabs show each view title, so that numbering a new tab reads no other tab.
  std::map<std::string, int> m_titleCounts;
  int m_deferCurrent = 0;
  /// The page added last while the current tab was deferred.
  QWidget* m_lastAdded = nullptr;
};
