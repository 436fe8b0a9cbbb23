#pragma once

#include "platform/ProgressDialogs.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>

#include <map>
#include <vector>

namespace Brosquin
{

// True when printing or copying left neither its progress form nor the hourglass behind.
inline bool bNothingLeftBehind()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<TPleaseWaitDialog*>(widget))
            return false;
    return QGuiApplication::overrideCursor() == nullptr;
}

// The deflated streams of a PDF written by Qt, inflated and joined: among them the drawing
// commands of its pages.
inline QByteArray InflatedStreams(const QByteArray& pdf)
{
    QByteArray streams;
    qsizetype start = pdf.indexOf("stream\n");
    while (start >= 0)
    {
        const bool deflated =
            pdf.lastIndexOf("/FlateDecode", start) > pdf.lastIndexOf(" obj", start);
        start += 7;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0)
            break;
        // qUncompress wants a big-endian size hint before the zlib data; it grows as needed.
        QByteArray zlib(4, '\0');
        zlib[2] = 1;
        if (deflated)
            streams += qUncompress(zlib + pdf.mid(start, end - start));
        start = pdf.indexOf("stream\n", end + 9);
    }
    return streams;
}

// The texts of each page of a PDF written by Qt, page by page: each text drawn between BT and
// ET, its glyphs read back through the ToUnicode ranges of its font, which Qt names /F and the
// font's object number, and maps its space glyph to a tab.
inline std::vector<QStringList> PdfPageTexts(const QByteArray& pdf)
{
    std::map<QString, QString> objects;
    QStringList pageObjects;
    auto found = QRegularExpression(QStringLiteral(R"((\d+) 0 obj\n(.*?)endobj)"),
                                    QRegularExpression::DotMatchesEverythingOption)
                     .globalMatch(QString::fromLatin1(pdf));
    while (found.hasNext())
    {
        const QRegularExpressionMatch object = found.next();
        objects[object.captured(1)] = object.captured(2);
        if (object.captured(2).contains(
                QRegularExpression(QStringLiteral(R"(/Type /Page\b(?!s))"))))
            pageObjects.append(object.captured(2));
    }
    const auto reference = [&objects](const QString& body, const char* key)
    {
        return objects
            [QRegularExpression(QStringLiteral("/%1 (\\d+) 0 R").arg(key)).match(body).captured(1)];
    };
    std::map<QString, std::map<int, QChar>> fonts;
    std::vector<QStringList> pages;
    for (const QString& page : pageObjects)
    {
        QStringList texts;
        auto blocks = QRegularExpression(QStringLiteral(R"(BT\n(.*?)ET\n)"),
                                         QRegularExpression::DotMatchesEverythingOption)
                          .globalMatch(QString::fromLatin1(
                              InflatedStreams(reference(page, "Contents").toLatin1())));
        while (blocks.hasNext())
        {
            const QString block = blocks.next().captured(1);
            const QString font =
                QRegularExpression(QStringLiteral(R"(/F(\d+) )")).match(block).captured(1);
            std::map<int, QChar>& glyphs = fonts[font];
            auto ranges = QRegularExpression(QStringLiteral(R"(<(\w+)> <\w+> \[([^\]]*)\])"))
                              .globalMatch(glyphs.empty() ? reference(objects[font], "ToUnicode")
                                                          : QString());
            while (ranges.hasNext())
            {
                const QRegularExpressionMatch range = ranges.next();
                int code = range.captured(1).toInt(nullptr, 16);
                for (const QString& target : range.captured(2).split(
                         QRegularExpression(QStringLiteral("[<> ]+")), Qt::SkipEmptyParts))
                    glyphs[code++] = target == QStringLiteral("0009")
                                         ? QLatin1Char(' ')
                                         : QChar(target.toInt(nullptr, 16));
            }
            QString text;
            auto codes = QRegularExpression(QStringLiteral(R"(<(\w{4})> Tj)")).globalMatch(block);
            while (codes.hasNext())
                text += glyphs[codes.next().captured(1).toInt(nullptr, 16)];
            texts.append(text);
        }
        pages.push_back(texts);
    }
    return pages;
}

// The sizes of the texts of pages drawn by Qt, in points: the size each text's font is set to,
// in printer pixels, times the points of a printer pixel that the page's first transformation
// gives.
inline std::vector<double> PdfTextPoints(const QByteArray& content)
{
    const QString commands = QString::fromLatin1(content);
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral(R"(([\d.]+) 0 0 -[\d.]+ [-\d.]+ [-\d.]+ cm)"))
            .match(commands);
    const double pointsPerPixel = page.captured(1).toDouble();
    std::vector<double> points;
    auto fonts = QRegularExpression(QStringLiteral(R"(/F\d+ ([\d.]+) Tf)")).globalMatch(commands);
    while (fonts.hasNext())
        points.push_back(fonts.next().captured(1).toDouble() * pointsPerPixel);
    return points;
}

// The page objects of a PDF file (-1 when there is no file) and the size of the first page
// in points.
inline std::pair<int, QSizeF> PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {-1, {}};
    const QByteArray pdf = file.readAll();
    const int pages = static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page/") +
                                       pdf.count("/Type /Page ") + pdf.count("/Type /Page>"));
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"))
            .match(QString::fromLatin1(pdf));
    return {pages, QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble())};
}

} // namespace Brosquin
