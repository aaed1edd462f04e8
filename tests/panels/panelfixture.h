#pragma once

// Helpers shared by the panel tests: a title picture, rendering a panel
// into an image, and counting the pixels of a region that look like text.

#include <QColor>
#include <QTest>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QWidget>

#include <functional>

// A title bar picture like the window's: light, so the black title reads.
inline QImage titlePicture(int width = 600, int height = 22)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(QColor(0xe6, 0xd9, 0xa8));
    return picture;
}

// The widget and its children as the screen would show them.
inline QImage renderWidget(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    widget.render(&image);
    return image;
}

inline int countPixels(const QImage &image, const QRect &area, const std::function<bool(QColor)> &test)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (test(QColor(image.pixel(x, y))))
                ++count;
    return count;
}

// Pixels that are not the given background (anti-aliased text included).
inline int inkPixels(const QImage &image, const QRect &area, const QColor &background)
{
    return countPixels(image, area, [&](QColor c) {
        return qAbs(c.red() - background.red()) + qAbs(c.green() - background.green()) +
                   qAbs(c.blue() - background.blue()) >
               60;
    });
}

// Pixels of the master-number colour (#F06040), anti-aliased edges included:
// clearly more red than blue, unlike the panels' greys and browns.
inline int reddishPixels(const QImage &image, const QRect &area)
{
    return countPixels(image, area, [](QColor c) { return c.red() - c.blue() > 70 && c.red() > 120; });
}

// Moves the pointer over the widget to pos. The pointer first steps beside
// pos, since a move to where the pointer already is (from an earlier test
// row) reaches no widget.
inline void movePointer(QWidget &widget, const QPoint &pos)
{
    QTest::mouseMove(&widget, pos + QPoint(1, 1));
    QTest::mouseMove(&widget, pos);
}

inline void pinLocale()
{
    QLocale::setDefault(QLocale::c());
}
