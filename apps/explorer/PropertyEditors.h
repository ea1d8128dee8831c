#pragma once

#include "analyzer/dataviews/ViewTypes.h"

#include <QColor>
#include <QObject>
#include <QStringList>
#include <boost/signals2/connection.hpp>
#include <functional>
#include <vector>

class QWidget;

/// Editor widgets bound to a view property: they show its value, follow its changes, and set
/// it (through the view's undoable proxy) when the user edits. A rejected value is reported and
/// the editor shows the property's value again.
namespace PropertyEditors
{

QWidget* makeEditor(PropertyPtr<bool> property, QWidget* parent);
QWidget* makeEditor(PropertyPtr<int> property, QWidget* parent);
QWidget* makeEditor(PropertyPtr<double> property, QWidget* parent);
QWidget* makeEditor(PropertyPtr<float> property, QWidget* parent);
QWidget* makeEditor(PropertyPtr<uint64_t> property, QWidget* parent);
QWidget* makeEditor(PropertyPtr<QColor> property, QWidget* parent);
/// Which variables a variable setting offers: a plot's axes and colour ramps place cases by
/// numbers; grouping and sorting take text too.
enum class VariableChoice
{
  Any,
  Numeric
};

/// A choice among the project's variables; the current one is offered whatever it is.
QWidget* makeEditor(PropertyPtr<VariablePtr> property,
  QWidget* parent,
  VariableChoice choice = VariableChoice::Any);
/// A checkable list of the project's variables, kept in project order.
QWidget* makeEditor(PropertyPtr<std::vector<VariablePtr>> property, QWidget* parent);

/// A choice among names, names[i] standing for the value i.
QWidget* makeChoiceEditor(std::function<int()> read,
  std::function<void(int)> write,
  const QStringList& names,
  QWidget* parent,
  std::function<boost::signals2::connection(std::function<void()>)> follow);

template<class E>
QWidget* makeEnumEditor(PropertyPtr<E> property, const QStringList& names, QWidget* parent)
{
  return makeChoiceEditor([property] { return static_cast<int>(property->value()); },
    [property](int value) { property->setValue(static_cast<E>(value)); },
    names,
    parent,
    [property](std::function<void()> changed)
    { return property->signalValueChanged.connect([changed](const E&) { changed(); }); });
}

/// Keeps a signal connection for as long as the widget it is parented to.
class ConnectionHolder : public QObject
{
public:
  ConnectionHolder(boost::signals2::connection connection, QObject* owner)
    : QObject(owner)
    , m_connection(connection)
  {
  }

private:
  boost::signals2::scoped_connection m_connection;
};

/// The shortest text that reads back as exactly the value, so that showing a number and
/// reading it back never changes it.
QString exactText(double value);
QString exactText(float value);

/// Runs a write, reporting a rejected value to the user; returns whether it was accepted.
bool applyEdit(QWidget* editor, const std::function<void()>& write);

} // namespace PropertyEditors
