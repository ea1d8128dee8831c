#include "apps/explorer/Wording.h"

namespace
{

constexpr int shownIds = 5;
constexpr int shownFiles = 5;

} // namespace

QString Wording::counted(long long count, const QString& singular, const QString& plural)
{
  return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? singular : plural);
}

QString Wording::listed(const QStringList& items, int shown)
{
  QStringList parts = items.mid(0, shown);
  if (items.size() > shown)
    parts << QStringLiteral("and %1 more").arg(items.size() - shown);
  return parts.join(QStringLiteral(", "));
}

QString Wording::noCasesWithIds(const std::vector<uint64_t>& ids)
{
  QStringList texts;
  for (uint64_t id : ids)
    texts << QString::number(id);
  return QStringLiteral("no %1 %2")
    .arg(
      ids.size() == 1 ? QStringLiteral("case with the id") : QStringLiteral("cases with the ids"),
      listed(texts, shownIds));
}

QString Wording::missingImages(const QStringList& files)
{
  if (files.size() == 1)
    return QStringLiteral("The image file %1 does not exist. Its case is open; the image views "
                          "show the image as missing.")
      .arg(files.front());
  QStringList lines = files.mid(0, shownFiles);
  if (files.size() > shownFiles)
    lines << QStringLiteral("and %1 more").arg(files.size() - shownFiles);
  return QStringLiteral("%1 image files do not exist:\n%2\nTheir cases are open; the image views "
                        "show those images as missing.")
    .arg(files.size())
    .arg(lines.join('\n'));
}

QString Wording::aViewOf(const QString& kindTitle)
{
  QStringList words = kindTitle.split(' ');
  for (QString& word : words)
    if (word != word.toUpper())
      word = word.toLower();
  const QString title = words.join(' ');
  const bool vowel = !title.isEmpty() && QStringLiteral("aeiou").contains(title.front());
  return QStringLiteral("%1 %2 view")
    .arg(vowel ? QStringLiteral("an") : QStringLiteral("a"), title);
}
