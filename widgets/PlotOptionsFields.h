#pragma once

#include "core/Real.h"
#include "core/RealOf.h"
#include "core/String.h"
#include "graphics/Plot.h"
#include "platform/AnsiQString.h"

#include <QComboBox>
#include <QLineEdit>

namespace Brosquin
{

// The fields of the plot options: their texts, between the Plot's 8-bit texts and the widgets,
// and their selections.

// A size as the fields show it: "Normal", "2.5 x", or empty for no size.
inline QString SizeText(double size)
{
    String text;
    Plot::vdSizeToText(size, text);
    return QStringOfAnsi(text.Text());
}

// A number as the fields show it: 15 significant digits, whole numbers without a point.
inline QString NumberText(const Real& value)
{
    return QStringOfAnsi(value.Text(15, true));
}

inline QString NumberText(double value)
{
    return NumberText(RealOf(value));
}

inline String EntryText(const QLineEdit& field)
{
    return String(AnsiOfQString(field.text()).constData());
}

inline String EntryText(const QComboBox& field)
{
    return String(AnsiOfQString(field.currentText()).constData());
}

// The item of a list, or no selection for a value that no item stands for.
inline void vdSelectItem(QComboBox& list, int item)
{
    list.setCurrentIndex(item >= 0 && item < list.count() ? item : -1);
}

} // namespace Brosquin
