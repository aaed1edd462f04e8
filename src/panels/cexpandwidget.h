#pragma once

// CExpandWidget: the day text drawer beside the today panel. Closed, it shows
// only its 13-pixel handle; a click on the handle (or on the today panel)
// slides it open to the left, so its right edge stays where it is, and shows
// the text for the personal day.

#include <QPoint>
#include <QRect>
#include <QWidget>

#include "skins/cskintint.h"

class QLabel;
class QPropertyAnimation;
class QPushButton;
class QTextBrowser;

class CExpandWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int HANDLE_WIDTH = 13; // the closed drawer's width
    static constexpr int DRAWER_HEIGHT = 98;
    static constexpr int OPEN_LIMIT = 30; // at least this wide counts as open

    CExpandWidget(const CSkinTint *skin, QWidget *parent = nullptr, int openWidth = 600,
                  int duration = 200);

    QTextBrowser *textBrowser() const { return m_text; }
    void setText(const QString &html);
    QString text() const;

    // Places the drawer: topLeft is where its top left goes at its present
    // width (the window's layout passes W - width - 177). The anchor - the
    // closed drawer's top left, from which it opens to the left - follows
    // from it, so the right edge lands where the layout wants it whether the
    // drawer is open, closed or sliding; a running slide ends first.
    void setAnchor(const QPoint &topLeft);
    // The closed drawer's top left.
    QPoint anchor() const { return m_anchor; }
    bool isOpen() const { return width() >= OPEN_LIMIT; }
    QRect openGeometry() const;
    QRect closedGeometry() const;

    QPushButton *handleButton() const { return m_handleButton; }
    QPropertyAnimation *animation() const { return m_animation; }

    QSize sizeHint() const override { return QSize(HANDLE_WIDTH, DRAWER_HEIGHT); }
    QSize minimumSizeHint() const override { return sizeHint(); }

public slots:
    // Opens a closed drawer and closes an open one, animated.
    void slotExpand();
    // Takes the background colour and the handle picture of the current skin.
    void slotUpdate();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const CSkinTint *m_skin;
    int m_openWidth;
    int m_duration;
    QPoint m_anchor;
    bool m_opening = false; // the state the last slide headed for
    QWidget *m_background;
    QLabel *m_handle;
    QPushButton *m_handleButton;
    QTextBrowser *m_text;
    QPropertyAnimation *m_animation;
};
