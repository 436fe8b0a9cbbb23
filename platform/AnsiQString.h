#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Brosquin
{

// The plan classes keep their texts in the Windows-1252 character set; the widgets show Unicode.

QString QStringOfAnsi(const char* text);

// A character that Windows-1252 cannot hold becomes '?'.
QByteArray AnsiOfQString(const QString& text);

} // namespace Brosquin
