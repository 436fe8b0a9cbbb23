#pragma once

#include "platform/ProgressDialogs.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSizeF>

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
