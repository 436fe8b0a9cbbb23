#pragma once

#include "platform/ProgressDialogs.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPointF>
#include <QRegularExpression>
#include <QScreen>
#include <QSizeF>
#include <QStringList>
#include <QTransform>
#include <QWindow>

#include <algorithm>
#include <map>
#include <set>
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

// The progress forms of one kind that are up.
template <class Form> std::vector<Form*> FormsOnScreen()
{
    std::vector<Form*> forms;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<Form*>(widget))
            forms.push_back(form);
    return forms;
}

// Whether the screen shows the form's picture and its "Please Wait!" as the form draws them: the
// pixels the window system holds of the window, not a fresh rendering of the widget, so a form
// that was shown but never painted, or painted before it was on the screen, fails.
inline bool bPaintedOnScreen(TPleaseWaitDialog& form)
{
    const QWindow* window = form.windowHandle();
    if (!form.isVisible() || !window || !window->isExposed())
        return false;
    const QImage screen =
        form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QLabel* part : {form.Image1, form.Label1})
    {
        const QImage shown = screen.copy(part->geometry());
        std::set<QRgb> colours;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                colours.insert(shown.pixel(x, y));
        // A blank part, or one that differs from what the form draws there, is not painted.
        if (colours.size() < 2 || shown != drawn.copy(part->geometry()))
            return false;
    }
    return true;
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

// A text drawn on a page of a PDF: what it reads, and where its first and its last glyph start
// on its baseline, in points from the page's top left-hand corner.
struct PdfText
{
    QString text;
    QPointF start;
    QPointF lastStart;
};

// The texts of each page of a PDF written by Qt, page by page: each text drawn between BT and
// ET, its glyphs read back through the ToUnicode ranges of its font, which Qt names /F and the
// font's object number, and maps its space glyph to a tab; placed by following the page's
// transformations (q, Q, cm) and each glyph's own (Tm, Td).
inline std::vector<std::vector<PdfText>> PdfPlacedTexts(const QByteArray& pdf)
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
    const auto glyphsOf = [&](const QString& font) -> std::map<int, QChar>&
    {
        std::map<int, QChar>& glyphs = fonts[font];
        auto ranges =
            QRegularExpression(QStringLiteral(R"(<(\w+)> <\w+> \[([^\]]*)\])"))
                .globalMatch(glyphs.empty() ? reference(objects[font], "ToUnicode") : QString());
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
        return glyphs;
    };
    const QRegularExpression token(
        QStringLiteral(R"(<[0-9A-Fa-f]*>|/[^\s/\[\]<>()]+|[-+]?(?:\d+\.?\d*|\.\d+)|[A-Za-z*']+)"));
    std::vector<std::vector<PdfText>> pages;
    for (const QString& page : pageObjects)
    {
        const double height =
            QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 [\d.]+ ([\d.]+)\])"))
                .match(page)
                .captured(1)
                .toDouble();
        std::vector<PdfText>& texts = pages.emplace_back();
        std::vector<QTransform> saved;
        QTransform transformation;
        QTransform line;
        QString font;
        bool bStarted = false;
        QStringList operands;
        auto tokens = token.globalMatch(
            QString::fromLatin1(InflatedStreams(reference(page, "Contents").toLatin1())));
        while (tokens.hasNext())
        {
            const QString word = tokens.next().captured();
            if (!word[0].isLetter() && word[0] != QLatin1Char('\''))
            {
                operands.append(word);
                continue;
            }
            const auto number = [&operands](qsizetype fromEnd) {
                return operands.size() >= fromEnd ? operands[operands.size() - fromEnd].toDouble()
                                                  : 0;
            };
            const auto matrix = [&number] {
                return QTransform(number(6), number(5), number(4), number(3), number(2), number(1));
            };
            if (word == QLatin1String("q"))
                saved.push_back(transformation);
            else if (word == QLatin1String("Q") && !saved.empty())
            {
                transformation = saved.back();
                saved.pop_back();
            }
            else if (word == QLatin1String("cm"))
                transformation = matrix() * transformation;
            else if (word == QLatin1String("BT"))
            {
                line = QTransform();
                texts.emplace_back();
                bStarted = false;
            }
            else if (word == QLatin1String("Tf") && operands.size() >= 2)
                font = operands[operands.size() - 2].mid(2);
            else if (word == QLatin1String("Tm"))
                line = matrix();
            else if (word == QLatin1String("Td"))
                line = QTransform::fromTranslate(number(2), number(1)) * line;
            else if (word == QLatin1String("Tj") && !operands.isEmpty() && !texts.empty())
            {
                const QPointF at = (line * transformation).map(QPointF(0, 0));
                PdfText& text = texts.back();
                text.lastStart = QPointF(at.x(), height - at.y());
                if (!bStarted)
                    text.start = text.lastStart;
                bStarted = true;
                text.text += glyphsOf(font)[operands.back().mid(1, 4).toInt(nullptr, 16)];
            }
            operands.clear();
        }
    }
    return pages;
}

// What the texts of a page read, in the order drawn.
inline QStringList Readings(const std::vector<PdfText>& page)
{
    QStringList texts;
    for (const PdfText& text : page)
        texts.append(text.text);
    return texts;
}

// The first text of the page that reads so, or an empty one.
inline PdfText TextReading(const std::vector<PdfText>& page, const QString& reads)
{
    const auto text = std::find_if(page.begin(), page.end(),
                                   [&](const PdfText& shown) { return shown.text == reads; });
    return text != page.end() ? *text : PdfText();
}

// The texts of each page of a PDF written by Qt, page by page, in the order drawn.
inline std::vector<QStringList> PdfPageTexts(const QByteArray& pdf)
{
    std::vector<QStringList> pages;
    for (const std::vector<PdfText>& page : PdfPlacedTexts(pdf))
        pages.push_back(Readings(page));
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
