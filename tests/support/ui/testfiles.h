#pragma once

#include <QString>
#include <QStringList>

namespace uitest {

// The lines of a file of tests/ (its final line break ends the last line).
QStringList FileLines(const QString& relativePath);

} // namespace uitest
