#include "apps/explorer/PropertyEditors.h"

#include "host/common/NumberText.h"
#include "host/common/NumericPredicates.h"
#include "host/core/ExceptionBase.h"
#include "host/project/Project.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <limits>

namespace PropertyEditors
{
namespace
{

template<class T>
void follow(QWidget* editor, const PropertyPtr<T>& property, std::function<void()> show)
{
  new ConnectionHolder(property->signalValueChanged.connect([show](const T&) { show(); }), editor);
  show();
}

/// Reads a number by the shared rule, "nan" too; returns why the text is not one, or "".
QString readNumber(const QString& text, double& value)
{
  if (isNanNumericInputValue(text))
  {
    value = std::numeric_limits<double>::quiet_NaN();
    return {};
  }
  switch (parseRealNumber(text.toStdString(), value))
  {
    case NumberTextStatus::Ok:
      return {};
    case NumberTextStatus::OutOfRange:
      return QStringLiteral("'%1' is too large or too small a number.").arg(text.trimmed());
    case NumberTextStatus::NotANumber:
      break;
  }
  return QStringLiteral("'%1' is not a number.").arg(text.trimmed());
}

// Numbers are edited as text so that every value of the type, and "nan" or "inf", can be typed.
template<class T>
QWidget* makeNumberEditor(PropertyPtr<T> property, QWidget* parent)
{
  auto* edit = new QLineEdit(parent);
  auto show = [edit, property]
  {
    edit->setText(exactText(property->value()));
    // A long fitted value shows its leading digits, not its last ones.
    edit->setCursorPosition(0);
  };
  follow(edit, property, show);
  QObject::connect(edit,
    &QLineEdit::editingFinished,
    edit,
    [edit, property, show]
    {
      double value = 0.0;
      const QString problem = readNumber(edit->text(), value);
      if (!problem.isEmpty())
      {
        QMessageBox::warning(edit, QStringLiteral("Invalid value"), problem);
        show();
        return;
      }
      if (!applyEdit(edit, [&] { property->setValue(static_cast<T>(value)); }))
        show();
    });
  return edit;
}

// The project's variables can change while the editor is open: the list is read when it opens.
class VariableCombo : public QComboBox
{
public:
  VariableCombo(PropertyPtr<VariablePtr> property, VariableChoice choice, QWidget* parent)
    : QComboBox(parent)
    , m_property(std::move(property))
    , m_choice(choice)
  {
  }

  void showValue()
  {
    fill();
    setCurrentIndex(findData(QVariant::fromValue<qulonglong>(m_property->value().id())));
  }

  void showPopup() override
  {
    showValue();
    QComboBox::showPopup();
  }

private:
  void fill()
  {
    clear();
    for (const auto& handle : Project::project().variables())
      if (const auto variable = handle.lock(); variable && offers(handle, *variable))
        addItem(QString::fromStdString(variable->name()),
          QVariant::fromValue<qulonglong>(variable->id()));
  }

  bool offers(const VariablePtr& handle, const Variable& variable) const
  {
    return m_choice == VariableChoice::Any || variable.isNumeric() || handle == m_property->value();
  }

  PropertyPtr<VariablePtr> m_property;
  VariableChoice m_choice;
};

std::vector<VariablePtr> checkedVariables(const QListWidget& list)
{
  std::vector<VariablePtr> chosen;
  for (int row = 0; row < list.count(); ++row)
    if (list.item(row)->checkState() == Qt::Checked)
      chosen.push_back(
        Project::project().variableById(list.item(row)->data(Qt::UserRole).toULongLong()));
  return chosen;
}

void showVariables(QListWidget& list, const std::vector<VariablePtr>& chosen)
{
  const QSignalBlocker blocker(list);
  list.clear();
  for (const auto& handle : Project::project().variables())
  {
    const auto variable = handle.lock();
    if (!variable)
      continue;
    auto* item = new QListWidgetItem(QString::fromStdString(variable->name()), &list);
    item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(variable->id()));
    const bool isChosen = std::find(chosen.begin(), chosen.end(), handle) != chosen.end();
    item->setCheckState(isChosen ? Qt::Checked : Qt::Unchecked);
  }
}

template<class T>
QString shortestText(T value)
{
  for (int digits = std::numeric_limits<T>::digits10; digits < std::numeric_limits<T>::max_digits10;
       ++digits)
  {
    const QString text = QString::number(value, 'g', digits);
    if (static_cast<T>(text.toDouble()) == value)
      return text;
  }
  return QString::number(value, 'g', std::numeric_limits<T>::max_digits10);
}

void paintSwatch(QPushButton* button, const QColor& color)
{
  button->setText(color.name(QColor::HexArgb));
  button->setStyleSheet(QStringLiteral("background-color: %1; color: %2")
                          .arg(color.name(), color.lightness() < 128 ? "white" : "black"));
}

} // namespace

QString exactText(double value)
{
  return shortestText(value);
}

QString exactText(float value)
{
  return shortestText(value);
}

bool applyEdit(QWidget* editor, const std::function<void()>& write)
{
  try
  {
    write();
    return true;
  }
  catch (const vantor::ExceptionBase& error)
  {
    QMessageBox::warning(
      editor, QStringLiteral("Invalid value"), QString::fromStdString(error.what()));
    return false;
  }
}

QWidget* makeEditor(PropertyPtr<bool> property, QWidget* parent)
{
  auto* box = new QCheckBox(parent);
  follow(box, property, [box, property] { box->setChecked(property->value()); });
  QObject::connect(box,
    &QCheckBox::toggled,
    box,
    [box, property](bool checked)
    {
      if (checked != property->value() && !applyEdit(box, [&] { property->setValue(checked); }))
        box->setChecked(property->value());
    });
  return box;
}

QWidget* makeEditor(PropertyPtr<int> property, QWidget* parent)
{
  auto* spin = new QSpinBox(parent);
  spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  follow(spin, property, [spin, property] { spin->setValue(property->value()); });
  QObject::connect(spin,
    &QSpinBox::editingFinished,
    spin,
    [spin, property]
    {
      if (spin->value() != property->value() &&
          !applyEdit(spin, [&] { property->setValue(spin->value()); }))
        spin->setValue(property->value());
    });
  return spin;
}

QWidget* makeEditor(PropertyPtr<double> property, QWidget* parent)
{
  return makeNumberEditor(property, parent);
}

QWidget* makeEditor(PropertyPtr<float> property, QWidget* parent)
{
  return makeNumberEditor(property, parent);
}

QWidget* makeEditor(PropertyPtr<uint64_t> property, QWidget* parent)
{
  auto* edit = new QLineEdit(parent);
  auto show = [edit, property] { edit->setText(QString::number(property->value())); };
  follow(edit, property, show);
  QObject::connect(edit,
    &QLineEdit::editingFinished,
    edit,
    [edit, property, show]
    {
      bool ok = false;
      const qulonglong value = edit->text().trimmed().toULongLong(&ok);
      if (!ok || !applyEdit(edit, [&] { property->setValue(value); }))
        show();
    });
  return edit;
}

QWidget* makeEditor(PropertyPtr<QColor> property, QWidget* parent)
{
  auto* button = new QPushButton(parent);
  follow(button, property, [button, property] { paintSwatch(button, property->value()); });
  QObject::connect(button,
    &QPushButton::clicked,
    button,
    [button, property]
    {
      const QColor chosen = QColorDialog::getColor(
        property->value(), button, QStringLiteral("Choose colour"), QColorDialog::ShowAlphaChannel);
      if (chosen.isValid())
        applyEdit(button, [&] { property->setValue(chosen); });
    });
  return button;
}

QWidget* makeEditor(PropertyPtr<VariablePtr> property, QWidget* parent, VariableChoice choice)
{
  auto* combo = new VariableCombo(property, choice, parent);
  follow(combo, property, [combo] { combo->showValue(); });
  QObject::connect(combo,
    QOverload<int>::of(&QComboBox::activated),
    combo,
    [combo, property](int index)
    {
      const VariablePtr chosen =
        Project::project().variableById(combo->itemData(index).toULongLong());
      if (chosen != property->value() && !applyEdit(combo, [&] { property->setValue(chosen); }))
        combo->showValue();
    });
  return combo;
}

QWidget* makeEditor(PropertyPtr<std::vector<VariablePtr>> property, QWidget* parent)
{
  auto* list = new QListWidget(parent);
  auto show = [list, property] { showVariables(*list, property->value()); };
  follow(list, property, show);
  QObject::connect(list,
    &QListWidget::itemChanged,
    list,
    [list, property, show]
    {
      const auto chosen = checkedVariables(*list);
      if (chosen != property->value() && !applyEdit(list, [&] { property->setValue(chosen); }))
        show();
    });
  return list;
}

QWidget* makeChoiceEditor(std::function<int()> read,
  std::function<void(int)> write,
  const QStringList& names,
  QWidget* parent,
  std::function<boost::signals2::connection(std::function<void()>)> follow)
{
  auto* combo = new QComboBox(parent);
  combo->addItems(names);
  auto show = [combo, read] { combo->setCurrentIndex(read()); };
  new ConnectionHolder(follow(show), combo);
  show();
  QObject::connect(combo,
    QOverload<int>::of(&QComboBox::activated),
    combo,
    [combo, read, write, show](int index)
    {
      if (index != read() && !applyEdit(combo, [&] { write(index); }))
        show();
    });
  return combo;
}

} // namespace PropertyEditors
