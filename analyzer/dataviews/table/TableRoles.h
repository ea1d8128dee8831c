#pragma once

#include "host/project/WeakPtr.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

class Variable;

/// Item-data roles of the tabular views. They come from one process-wide counter starting at
/// 1748, in this order, so their values are fixed.
enum TableRole
{
  ValuePositionRole = 1748, ///< Position of the cell value in its variable's range, 0..1.
  ConstraintViolationRole,  ///< True when the case violates the filter of the cell's variable.
  CaseIdRole,               ///< Case id of the row.
  VariableRole              ///< Header data: the column's variable handle ("Variable::Ptr").
};

/// Cell texts of values that are not numbers.
namespace TableTexts
{
extern const QString NaN;
extern const QString Null;
extern const QVariant NaNValue;
extern const QVariant NullValue;
} // namespace TableTexts

Q_DECLARE_METATYPE(WeakPtr<Variable>)
