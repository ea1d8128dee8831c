#pragma once

#include <QWidget>
#include <functional>

/// Runs the removal on Delete or Backspace; swallows every other key that reaches it.
class KeyPressHandlingWidget : public QWidget
{
  Q_OBJECT

public:
  KeyPressHandlingWidget(std::function<void()> removeSelected, QWidget* parent = nullptr);

  /// Item views search their items for typed text, Delete included: a watched widget's
  /// Delete and Backspace come here first.
  void watch(QWidget& widget);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::function<void()> m_removeSelected;
};
