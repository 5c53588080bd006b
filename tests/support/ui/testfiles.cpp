#include "tests/support/ui/testfiles.h"

#include <QFile>

namespace uitest {

QStringList FileLines(const QString& relativePath)
{
    QFile file(QStringLiteral(DRIVE_TESTS_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return { QStringLiteral("cannot open ") + file.fileName() };
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace uitest
