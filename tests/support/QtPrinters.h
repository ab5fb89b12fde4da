#pragma once

// Teaches GoogleTest to print Qt values as text, so that a failed comparison reads
// "Expected: "860,00"" instead of a dump of the object's bytes. Include it in every
// test file that compares Qt values.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <ostream>

QT_BEGIN_NAMESPACE

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& lines, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            *out << ", ";
        PrintTo(lines[i], out);
    }
    *out << '}';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const QPoint& point, std::ostream* out) {
    *out << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << 'x' << size.height();
}

inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.width() << 'x' << rect.height() << '+' << rect.x() << '+' << rect.y();
}

inline void PrintTo(const QPointF& point, std::ostream* out) {
    *out << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QSizeF& size, std::ostream* out) {
    *out << size.width() << 'x' << size.height();
}

inline void PrintTo(const QRectF& rect, std::ostream* out) {
    *out << rect.width() << 'x' << rect.height() << '+' << rect.x() << '+' << rect.y();
}

// "#rrggbb", with the alpha as "#aarrggbb" when the colour is not opaque.
inline void PrintTo(const QColor& color, std::ostream* out) {
    if (!color.isValid()) {
        *out << "invalid colour";
        return;
    }
    const QColor::NameFormat format = color.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb;
    *out << color.name(format).toStdString();
}

// A picture by its size and pixel format, not by its bytes.
inline void PrintTo(const QImage& image, std::ostream* out) {
    if (image.isNull()) {
        *out << "null image";
        return;
    }
    *out << "image " << image.width() << 'x' << image.height() << ", format "
         << static_cast<int>(image.format());
}

QT_END_NAMESPACE
