#include "analyzer/dataviews/table/NumericConversionDelegate.h"

#include <QMessageBox>
#include <QMetaProperty>
#include <boost/lexical_cast.hpp>

// Writes the editor's value as the base class does, but reads it first, so that a refused
// value unwinds only through the models and not through Qt's own delegate code.
void NumericConversionDelegate::setModelData(QWidget* editor,
  QAbstractItemModel* model,
  const QModelIndex& index) const
{
  const QMetaProperty userProperty = editor->metaObject()->userProperty();
  if (!userProperty.isValid())
  {
    QStyledItemDelegate::setModelData(editor, model, index);
    return;
  }
  const QVariant value = userProperty.read(editor);
  try
  {
    model->setData(index, value, Qt::EditRole);
  }
  catch (const boost::bad_lexical_cast& error)
  {
    QMessageBox::critical(nullptr,
      QStringLiteral("Invalid value"),
      QStringLiteral("The data you entered could not be converted to a numeric value.\n") +
        QString::fromUtf8(error.what()));
  }
}
