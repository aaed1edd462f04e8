#pragma once

// CInfoWidget: the base of the chart panels and the plain list panel itself
// (Main Features, Life Cycles, Bridges, the compatibility lists, ...).
//
// A panel is a title picture over a dark body with one 16-pixel row per
// item: a caption at x 4 and a value at x 104. It follows the pointer to
// highlight the row under it and reports a click on a row as itemCliked.
// Its colours are those of the base design, mapped through the skin at every
// paint. The text renderer that every panel uses (drawPanelText) colours
// master numbers such as the 11 in "2/11". A value wider than its room
// gives up its beginning, never its result, and shows whole as a tool tip.

#include <QImage>
#include <QStringList>
#include <QWidget>

#include "skins/cskintint.h"

class QLabel;
class QPainter;

class CInfoWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ROW_HEIGHT = 16;
    static constexpr int VALUE_X = 104;   // values start here
    static constexpr int ALL_ROWS = 100;  // default clickable-row limit

    CInfoWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent = nullptr);

    // --- contents ---
    void setTitle(const QString &title);
    QString title() const;
    QLabel *titleLabel() const { return m_titleLabel; }
    void setTitlePicture(const QImage &picture);
    QImage titlePicture() const { return m_title.source(); }
    // The title picture in the current skin's colours.
    const QImage &skinnedTitlePicture() const { return m_title.image(m_skin); }
    void setCaptions(const QStringList &captions);
    const QStringList &captions() const { return m_captions; }
    void setValues(const QStringList &values);
    const QStringList &values() const { return m_values; }
    // One value; the list grows with empty texts up to the row when needed.
    void setValue(int row, const QString &value);
    // Blanks the panel: as many empty values as it has rows.
    virtual void clearValues();

    // --- settings ---
    void setExtraWidth(int extra);
    int extraWidth() const { return m_extraWidth; }
    void setHoverHighlight(bool on);
    bool hoverHighlight() const { return m_hoverHighlight; }
    // Rows with an index below the limit highlight and emit itemCliked.
    void setClickableRows(int limit);
    int clickableRows() const { return m_clickableRows; }
    // True: texts are drawn without master-number colouring.
    void setPlainText(bool plain);
    bool plainText() const { return m_plainText; }

    // --- geometry ---
    int titleHeight() const;
    int paintWidth() const { return width() + m_extraWidth; }
    // The body under the title: (0, T, W, 16 * rows + 6).
    QRect bodyRect(int rows) const;
    int rowTop(int row) const { return titleHeight() + 3 + ROW_HEIGHT * row; }
    // The row a click at this point selects, or -1.
    int rowAt(const QPoint &pos) const;
    // The pointer as the panel last saw it.
    bool mouseOutside() const { return m_mouseOutside; }
    QPoint hoverPos() const { return m_hoverPos; }

    // --- painting ---
    // The whole panel in widget coordinates, on any painter.
    virtual void paintPanel(QPainter &painter);
    // The rich text the renderer draws: the text in "#ece7e0", with master
    // numbers (a pair of equal digits standing alone) in "#F06040" unless
    // plain is set.
    static QString panelRichText(const QString &text, bool plain);
    // Draws a text with the renderer, its top left at pos.
    static void drawPanelText(QPainter &painter, const QPoint &pos, const QString &text, bool plain);
    // The text as it fits the width in the font: whole when it fits, else
    // its end after "\u2026" (a calculation line keeps its result).
    static QString fittedText(const QString &text, const QFont &font, int width);
    // The whole text of what was shortened under the point, or empty.
    virtual QString toolTipAt(const QPoint &pos) const;
    // Room for a row's value, from VALUE_X to the inner frame.
    int valueWidth() const { return paintWidth() - VALUE_X - 4; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void itemCliked(int idx);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

    static QStringList emptyTexts(int count);
    // The skin's colour for a base colour (the colour itself without a skin).
    QColor skinColor(const QColor &base) const;
    const CSkinTint *skin() const { return m_skin; }
    // Fills the body of the given number of rows with the background.
    void paintBody(QPainter &painter, int rows) const;
    // The two frame lines around the body and the title picture over them.
    void paintFrameAndTitle(QPainter &painter, int rows) const;

    // Called after the title picture changed, for children placed on it.
    virtual void titlePictureChanged() {}

    // Base colours of the panels.
    static const QColor BODY;
    static const QColor HIGHLIGHT;
    static const QColor OUTER_FRAME;
    static const QColor INNER_FRAME;
    static const QColor PEN;

private:
    const CSkinTint *m_skin;
    int m_extraWidth = 0;
    bool m_mouseOutside = true;
    bool m_hoverHighlight = false;
    QPoint m_hoverPos{-1, -1};
    int m_clickableRows = ALL_ROWS;
    CSkinPicture m_title;
    QStringList m_captions;
    QStringList m_values;
    QLabel *m_titleLabel;
    bool m_plainText = false;
};
