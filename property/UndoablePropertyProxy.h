#pragma once

#include "host/core/DeleteSignaler.h"
#include "host/core/GenericUndoCommand.h"
#include "host/core/UndoStack.h"
#include "property/PropertyAbstract.h"

#include <QString>
#include <memory>
#include <string>

namespace vantor
{

/// Wraps a property so that every change made through it is one undo step "Change <label>".
/// Changes of the wrapped property made by any other route are announced but not recorded.
template<class T>
class UndoablePropertyProxy
  : public PropertyAbstract<T>
  , public DeleteSignaler
{
public:
  UndoablePropertyProxy(const std::string& label, boost::shared_ptr<PropertyAbstract<T>> wrapped)
    : PropertyAbstract<T>(wrapped->validator())
    , m_undoText(QStringLiteral("Change ") + QString::fromStdString(label))
    , m_wrapped(std::move(wrapped))
  {
    m_forwarding = m_wrapped->signalValueChanged.connect(
      [this](const T& value) { this->signalValueChanged(value); });
  }

  /// Commands with the same merge id (not -1) collapse into one step.
  void setMergeId(int id) { m_mergeId = id; }
  int mergeId() const { return m_mergeId; }
  const QString& undoText() const { return m_undoText; }
  boost::shared_ptr<PropertyAbstract<T>> wrapped() const { return m_wrapped; }

protected:
  void storeValue(const T& value) override
  {
    ++m_nesting;
    struct NestingGuard
    {
      int& nesting;
      ~NestingGuard() { --nesting; }
    } guard{ m_nesting };

    const T old = m_wrapped->value();
    auto* command = new GenericUndoCommand([this, value] { applyValue(value); },
      [this, old] { applyValue(old); },
      *this,
      m_undoText,
      m_mergeId,
      nullptr);
    std::unique_ptr<GenericUndoCommand> pending(command);

    if (m_mergeId != -1)
    {
      m_wrapped->setValue(value);
      UndoStack().push(pending.release());
      return;
    }
    UndoStack::Macro macro(m_undoText);
    m_wrapped->setValue(value);
    UndoStack().push(pending.release());
  }

  virtual void applyValue(const T& value)
  {
    if (m_nesting != 0 || value == m_wrapped->value())
      return;
    UndoStack::SuspendUndoRecording suspended;
    m_wrapped->setValue(value);
    this->signalValueChanged(value);
  }

private:
  T retrieveValue() const override { return m_wrapped->value(); }
  // The forwarded signal of the wrapped property already announces the change.
  void emitValueChangedSignal(const T&) const override {}

  int m_nesting = 0;
  QString m_undoText;
  boost::shared_ptr<PropertyAbstract<T>> m_wrapped;
  int m_mergeId = -1;
  boost::signals2::scoped_connection m_forwarding;
};

} // namespace vantor
