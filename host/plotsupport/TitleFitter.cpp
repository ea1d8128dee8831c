#include "host/plotsupport/TitleFitter.h"

#include <QString>
#include <QStringList>

namespace
{

const int maxLines = 2;
const QString ellipsis = QStringLiteral("...");

/// Words greedily gathered into lines no wider than the width; a word wider than it gets a
/// line of its own.
QStringList gathered(const QStringList& words, const std::function<bool(const QString&)>& fits)
{
  QStringList lines;
  for (const QString& word : words)
  {
    if (!lines.isEmpty() && fits(lines.back() + ' ' + word))
      lines.back() += ' ' + word;
    else
      lines.append(word);
  }
  return lines;
}

} // namespace

TitleFitter::TitleFitter(Measure measure, int fontSize, int smallestFontSize)
  : m_measure(std::move(measure))
  , m_fontSize(fontSize)
  , m_smallestFontSize(smallestFontSize)
{
}

TitleFitter::Fitted TitleFitter::fit(const std::string& title, double width) const
{
  for (int size = m_fontSize; size >= m_smallestFontSize; --size)
  {
    const std::string text = wrapped(title, width, size);
    if (!text.empty())
      return { text, size };
  }
  return { cut(title, width, m_smallestFontSize), m_smallestFontSize };
}

std::string TitleFitter::wrapped(const std::string& title, double width, int fontSize) const
{
  if (fits(title, width, fontSize))
    return title;
  const QStringList lines = gathered(QString::fromStdString(title).split(' ', Qt::SkipEmptyParts),
    [&](const QString& line) { return fits(line.toStdString(), width, fontSize); });
  if (lines.size() > maxLines)
    return {};
  for (const QString& line : lines)
    if (!fits(line.toStdString(), width, fontSize))
      return {};
  return lines.join('\n').toStdString();
}

std::string TitleFitter::cut(const std::string& title, double width, int fontSize) const
{
  QStringList lines = gathered(QString::fromStdString(title).split(' ', Qt::SkipEmptyParts),
    [&](const QString& line) { return fits(line.toStdString(), width, fontSize); });
  // What does not fit on the last line is cut off with it.
  while (lines.size() > maxLines)
    lines[maxLines - 1] += ' ' + lines.takeAt(maxLines);
  QStringList shown;
  for (const QString& line : lines)
    shown.append(QString::fromStdString(shortened(line.toStdString(), width, fontSize)));
  return shown.join('\n').toStdString();
}

std::string TitleFitter::shortened(const std::string& line, double width, int fontSize) const
{
  if (fits(line, width, fontSize))
    return line;
  QString kept = QString::fromStdString(line);
  while (!kept.isEmpty() && !fits((kept + ellipsis).toStdString(), width, fontSize))
    kept.chop(1);
  return (kept.trimmed() + ellipsis).toStdString();
}

bool TitleFitter::fits(const std::string& line, double width, int fontSize) const
{
  return m_measure(line, fontSize) <= width;
}
