#include "platform/AnsiQString.h"

#include "graphics/AnsiText.h"

namespace Brosquin
{

QString QStringOfAnsi(const char* text)
{
    return QString::fromStdString(Utf8OfAnsi(text != nullptr ? text : ""));
}

QByteArray AnsiOfQString(const QString& text)
{
    QByteArray ansi;
    ansi.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4())
    {
        char byte = '?';
        for (unsigned c = 1; c <= 0xFF; ++c)
            if (CodePointOfAnsi(static_cast<unsigned char>(c)) == codePoint)
            {
                byte = static_cast<char>(c);
                break;
            }
        ansi.append(byte);
    }
    return ansi;
}

} // namespace Brosquin
