#pragma once

// The chart page's board: one picture - the chosen template drawn with the
// person's numbers - scaled to fit and centred, or, while there is none, a
// short note saying why.
//
// The board draws lazily. A change (person, options, template) only marks
// the picture stale; the picture is made again the next time the board
// paints, so while the user works on other pages the hidden board costs
// nothing. A resize keeps showing the old picture, scaled, until the size
// has settled, and then makes a sharp one for the new size.

#include <QColor>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class CPainterBoard : public QWidget
{
    Q_OBJECT
public:
    // Makes the picture for a size in device pixels. A null picture means
    // there is nothing to show; the renderer then puts the note in why: a
    // headline, and after a line break what to do about it.
    using Renderer = std::function<QImage(const QSize &size, QString *why)>;

    explicit CPainterBoard(QWidget *parent = nullptr);

    void setRenderer(Renderer renderer);
    // Colours of the note (headline, text) and of the picture's edge.
    void setColours(const QColor &headline, const QColor &text, const QColor &edge);

    // The picture must be made again; it is, when the board next paints.
    void invalidate();
    bool isStale() const { return m_stale; }
    // Makes the picture now when it is stale.
    void renderIfStale();

    const QImage &picture() const { return m_picture; }
    // The note shown while the picture is null.
    QString note() const { return m_note; }

    // Draws the board as it looks - picture or note - into any painter.
    void paintBoard(QPainter &painter, const QRect &area) const;

    QSize sizeHint() const override { return QSize(600, 600); }
    QSize minimumSizeHint() const override { return QSize(100, 100); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void paintPicture(QPainter &painter, const QRect &area) const;
    void paintNote(QPainter &painter, const QRect &area) const;

    Renderer m_renderer;
    QImage m_picture;
    QString m_note;
    QSize m_renderedFor; // the space the picture was made for
    bool m_stale = true;
    QTimer m_settle; // a resize re-renders once the size stops changing
    QColor m_headline = QColor(0x9c, 0xb6, 0x2d);
    QColor m_text = QColor(0xed, 0xdb, 0xb2);
    QColor m_edge = QColor(0x5c, 0x52, 0x4c);
};
