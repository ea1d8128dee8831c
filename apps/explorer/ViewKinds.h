#pragma once

#include <QString>
#include <QStringList>
#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <set>
#include <vector>

class DataViewInterface;
class DataViewManagerInterface;
class QWidget;

/// The kinds of view the explorer can ask the manager for, by their command-line names.
class ViewKinds
{
public:
  struct Kind
  {
    QString name;
    QString title;
    /// Whether this build has the view; the View menu offers only these.
    bool available;
  };

  static const std::vector<Kind>& all();
  static const Kind* find(const QString& name);
  static QStringList names();

  /// Adds a view of the named kind. The selected-cases view lives in `selectedCasesParent`; a
  /// selected-images view starts with `selection`. Throws vantor::ExceptionBase when this build
  /// lacks the kind.
  static boost::shared_ptr<DataViewInterface> add(const QString& name,
    DataViewManagerInterface& manager,
    QWidget& selectedCasesParent,
    const std::set<uint64_t>& selection);

  /// The name of the view's kind ("image-diff" for the image difference view).
  static QString nameOf(DataViewInterface& view);
};
