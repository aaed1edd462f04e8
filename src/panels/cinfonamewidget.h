#pragma once

// CInfoNameWidget: how a name adds up. The full name and the short name are
// written letter by letter in a fixed-width grid, the digit of every vowel on
// the line above and of every consonant on the line below, each line followed
// by the calculation that sums its digits.
//
// The captions hold the six text rows (vowel digits, name, consonant digits
// of the full name, then of the short name) and the values the six
// calculation lines after them. In its clickable mode (the input overlay) a
// column marker follows the pointer over the letters and a click reports the
// letter, so the window can change its vowel or consonant mark.

#include "cinfowidget.h"

class CInfoNameWidget : public CInfoWidget
{
    Q_OBJECT
public:
    static constexpr int CELL_WIDTH = 9;    // one letter column
    static constexpr int BLOCK_HEIGHT = 51; // the three lines of one name
    static constexpr int NAME_ROWS = 6;

    CInfoNameWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent = nullptr);

    // The six text rows (the pet panel fills three) and the six calculation
    // lines; the same as setCaptions and setValues.
    void setTexts(const QStringList &rows) { setCaptions(rows); }
    void setFormulas(const QStringList &lines) { setValues(lines); }
    // Six empty text rows and six empty lines.
    void clearValues() override;

    // Letters react to the mouse (the input overlay's panels).
    void setClickable(bool on);
    bool isClickable() const { return m_clickable; }
    // Western tables: K and V are master letters, drawn in the master colour.
    void setWestern(bool on);
    bool isWestern() const { return m_western; }
    // K and V count 11 and 22 (the option "Reduce Master Numbers to Digit"
    // is off): in the Western tables their digits are drawn as two stacked
    // digits. Off by default, as the option is on.
    void setMasterLetterDigits(bool on);
    bool masterLetterDigits() const { return m_masterLetterDigits; }
    QLabel *columnMarker() const { return m_marker; }

    // The letter under a point: block 0 for the full name, 1 for the short
    // name, and the character position. False when there is none.
    bool letterAt(const QPoint &pos, int *block, int *column) const;

    void paintPanel(QPainter &painter) override;
    QSize sizeHint() const override { return QSize(600, 133); }

signals:
    void symbolCliked(int row, int idx);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void paintRow(QPainter &painter, int row) const;

    bool m_clickable = false;
    bool m_western = true;
    bool m_masterLetterDigits = false;
    QLabel *m_marker;
};
