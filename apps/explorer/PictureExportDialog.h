#pragma once

#include <QDialog>
#include <QSize>

class QLineEdit;
class QPushButton;
class QSpinBox;

/// Asks where to write a view's picture and at which size (in pixels).
class PictureExportDialog : public QDialog
{
  Q_OBJECT

public:
  PictureExportDialog(const QString& path, QSize size, QWidget* parent = nullptr);

  QString path() const;
  QSize size() const;

private:
  void browse();
  void updateOk();

  QLineEdit* m_path;
  QSpinBox* m_width;
  QSpinBox* m_height;
  QPushButton* m_ok = nullptr;
};
