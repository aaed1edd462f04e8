#pragma once

// CInfoEssenceWidget: essence and transits as a strip with one 16-pixel
// column per age from 0 to 100 - the age, the two-digit calendar year, the
// physical, mental and spiritual transit letters, the essence total and the
// essence number. The strip is drawn once into a picture; the panel shows a
// third of it at a time, and the "< Age >" button on the title bar pages on.
//
// Captions 0 to 2 hold the physical, mental and spiritual transit letters,
// one per age.

#include "cinfowidget.h"

#include <QPixmap>
#include <QVector>

class QPushButton;

class CInfoEssenceWidget : public CInfoWidget
{
    Q_OBJECT
public:
    static constexpr int AGES = 101;         // columns for ages 0 to 100
    static constexpr int ESSENCE_AGES = 128; // ages the engine computes
    static constexpr int COLUMN_WIDTH = 16;
    static constexpr int PAGES = 3;
    static constexpr int LABEL_WIDTH = 52;  // the row names stay put at the left
    static constexpr int STRIP_LEFT = 4 + LABEL_WIDTH;
    static constexpr int PAGE_SHIFT = 544;  // 34 ages per page: 0, 34 and 68 on

    static constexpr int STRIP_ROWS = 7;   // age, year, three letters, total, essence

    CInfoEssenceWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent = nullptr);

    // The physical, mental and spiritual transit letters.
    void setTransits(const QStringList &transits) { setCaptions(transits); }
    // Blank: no letters, numbers or birth year (the ages stay).
    void clearValues() override;
    // The essence numbers and totals per age (up to 128; missing ages are 0)
    // and the birth year; redraws the strip.
    void setEssence(const QVector<int> &numbers, const QVector<int> &totals, int birthYear);
    QVector<int> essenceNumbers() const { return m_numbers; }
    QVector<int> essenceTotals() const { return m_totals; }
    int birthYear() const { return m_birthYear; }

    // The text of the strip at an age: row 0 the age, 1 the two-digit year,
    // 2 to 4 the transit letters, 5 the essence total, 6 the essence number.
    // Empty where nothing is drawn (no birth year yet, no transits).
    QString stripText(int row, int age) const;

    int page() const { return m_page; }
    QPushButton *ageButton() const { return m_ageButton; }
    const QPixmap &chartPicture() const { return m_chart; }

    void paintPanel(QPainter &painter) override;
    QSize sizeHint() const override { return QSize(600, 148); }

public slots:
    // The next third of the strip: ages 0, 32, 64 and round again.
    void OnSwitchAge();
    // Redraws the strip into the chart picture (also on a skin change).
    void updateData();
    // Draws the strip with the given painter, its top left at the origin.
    void updateData(QPainter *painter);

protected:
    void titlePictureChanged() override;

private:
    QVector<int> m_numbers;
    QVector<int> m_totals;
    int m_birthYear = 0;
    int m_page = 0;
    QPixmap m_chart;
    QPushButton *m_ageButton;
};
